#pragma once

#include "customwatermarkformat.h"
#include "tab.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRegExpValidator;

// The Watermark page: a watermark switched on or off, its text taken from
// the printer's texts or from the user's own custom watermarks, with font,
// size, colour, angle, style, fill and repeat; and the super watermark.
// Custom watermarks remember the controls under a name of the user's and
// are kept in the queue's settings file and in profiles.
class WatermarkTab : public Tab
{
    Q_OBJECT

public:
    explicit WatermarkTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    void addCustomConstraints() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    QList<DetailRow> detailRows() override;
    void reload() override;
    void resetUnsupported() override;
    QHash<QString, QString> getOptions() override;
    QHash<QString, QString> getExtraOptions() override;
    void retranslateUi() override;

    void resetCustomFields();
    void addBlackColorItem();
    void loadSuperWatermark();
    void removeCustomItem();

    void loadCustomWatermarkStore();
    void refreshWatermarkList();
    bool isReservedWatermarkName(const QString &name) const;
    void updateCustomWatermarkButtons();

    // A name in customWatermarks that is not reserved.
    bool isCustomWatermark(const QString &text) const;

    QHash<QString, CustomWatermark> customWatermarks;

    ComboBoxEx *cmbBxWtxt = nullptr;
    QLineEdit *lnEditCustomWatermark = nullptr;
    QPushButton *butNewCustomWatermark = nullptr;
    QPushButton *butSaveCustomWatermark = nullptr;
    QPushButton *butDeleteCustomWatermark = nullptr;
    QCheckBox *chkBxWFlg = nullptr;
    QLabel *lblWtxt = nullptr;
    QLabel *lblWatermark = nullptr;
    ZelCheckBoxButton *chkButWatermark = nullptr;
    QLabel *lblWFnt = nullptr;
    ComboBoxEx *cmbBxWFnt = nullptr;
    QLabel *lblWSze = nullptr;
    ComboBoxEx *cmbBxWsze = nullptr;
    QLabel *lblWClr = nullptr;
    ComboBoxEx *cmbBxClr = nullptr;
    QLabel *lblWang = nullptr;
    ComboBoxEx *cmbBxWang = nullptr;
    QLabel *lblWtrans = nullptr;
    ComboBoxEx *cmbBxWtrans = nullptr;
    QLabel *lblWtyp = nullptr;
    ComboBoxEx *cmbBxWtyp = nullptr;
    QLabel *lblCustomWatermark = nullptr;
    ZelCheckBoxButton *chkButSuperWatermark = nullptr;
    QLabel *lblSuperWatermark = nullptr;
    ComboBoxEx *cmbBxSuperWatermark = nullptr;

public slots:
    void toggleWatermarkSection(bool checked);
    void toggleSuperWatermark(bool checked);
    void handleCustomWatermarkTextEdit();
    void createNewCustomWatermark();
    void deleteCustomWatermark();
    void handleWatermarkSelection(const QString &selection);
    void editCustomWatermark();

private:
    void layOut();
    bool hasOption(const char *keyword) const;
    // The record the controls show now.
    CustomWatermark recordFromControls() const;
    // Keeps the record under the name (replacing one of that name), lists
    // it and shows it.
    void keepRecord(const QString &name, const CustomWatermark &record);
    // While the watermark is on, collecting keeps the shown controls under
    // the typed or shown name, as Save does.
    void keepShownControlsForCollecting();
    // Makes the text list's item of that text current; none when no item has it.
    void selectWatermarkText(const QString &text);
    // A detail list and its caption follow the watermark button while the
    // list has items.
    void enableDetail(ComboBoxEx *list, QLabel *caption, bool checked);
    // The colour list on tr("Black"); on no item when it has none.
    void selectBlackColor();

    QRegExpValidator *customTextValidator = nullptr;
};
