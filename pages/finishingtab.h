#pragma once

#include "tab.h"

class QLabel;
class ZelButtonGroup;
class ZelCheckBoxButton;

// The Finishing page: separation, tri-fold and bi-fold, punching, stapling
// and rotation. The PPD's fold option "FldA" has no widget of its own: it is
// derived from the two fold buttons, which may not both be on.
class FinishingTab : public Tab
{
    Q_OBJECT

public:
    explicit FinishingTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    QHash<QString, QString> getOptions() override;
    void clearConflictMarks() override;
    bool hasConflict() override;
    void resetUnsupported() override;
    QList<DetailRow> detailRows() override;
    virtual void connectSignals();

public slots:
    void markFold();
    void checkFoldConstraints();
    void toggleStaple(bool toggled);
    void togglePunch(bool toggled);
    void toggleTriFold(bool toggled);
    void toggleBiFold(bool toggled);

public:
    ZelButtonGroup *separationGroup = nullptr;
    QLabel *triFoldLabel = nullptr;
    ZelCheckBoxButton *triFoldButton = nullptr;
    QLabel *printSideLabel = nullptr;
    ComboBoxEx *printSideBox = nullptr;
    QLabel *foldDirectionLabel = nullptr;
    ComboBoxEx *foldDirectionBox = nullptr;
    QLabel *triFoldSheetsLabel = nullptr;
    ComboBoxEx *triFoldSheetsBox = nullptr;
    QLabel *biFoldLabel = nullptr;
    ZelCheckBoxButton *biFoldButton = nullptr;
    QLabel *biFoldSheetsLabel = nullptr;
    ComboBoxEx *biFoldSheetsBox = nullptr;
    QLabel *punchLabel = nullptr;
    QLabel *punchMethodLabel = nullptr;
    ZelCheckBoxButton *punchButton = nullptr;
    ComboBoxEx *punchBox = nullptr;
    QLabel *stapleLabel = nullptr;
    QLabel *stapleLocationLabel = nullptr;
    ZelCheckBoxButton *stapleButton = nullptr;
    ComboBoxEx *stapleLocationBox = nullptr;
    QLabel *stapleCountLabel = nullptr;
    ComboBoxEx *stapleCountBox = nullptr;
    ZelButtonGroup *rotateGroup = nullptr;

private:
    void layOut();
    void loadFoldState();
};
