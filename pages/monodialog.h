#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSlider;

// Custom brightness and contrast for black-and-white printing. The switch is
// the PPD option "Madj", marked on OK; the positions are kept between runs
// and put back into the widgets before every run.
class monoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit monoDialog(QWidget *parent = nullptr);

    // ("Madj", "Malt", "Mact", "fMalt", "fMact") from the widgets as they stand.
    QList<QPair<QString, QString>> getOptions() const;
    // The switch and positions of the active settings file.
    void loadStoredValues();
    // Back to how the dialog was built: switch off, both rows at 0, nothing
    // kept. The option model is left alone.
    void forgetValues();

    QCheckBox *customCheckBox() const { return customBox; }
    QSlider *brightnessSlider() const { return brightnessSliderWidget; }
    QSlider *contrastSlider() const { return contrastSliderWidget; }
    QLineEdit *brightnessEdit() const { return brightnessEditWidget; }
    QLineEdit *contrastEdit() const { return contrastEditWidget; }
    QDialogButtonBox *buttons() const { return buttonBox; }
    QList<QPair<QString, int>> kept() const { return keptValues; }

public slots:
    int exec() override;
    void saveSettings();
    void resetStates();
    void setLineEditText(int value);
    void setSliderValue();
    void toggleAdjustment(bool enabled);

private:
    void setupUi();
    void connectSignals();
    void applyStates();
    void blockAllSignals(bool block);

    QCheckBox *customBox = nullptr;
    QLabel *brightnessLabel = nullptr;
    QLineEdit *brightnessEditWidget = nullptr;
    QSlider *brightnessSliderWidget = nullptr;
    QLabel *contrastLabel = nullptr;
    QLineEdit *contrastEditWidget = nullptr;
    QSlider *contrastSliderWidget = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QList<QPair<QString, int>> keptValues;
    // Set by OK during a run: anything else leaves the kept state in force.
    bool confirmed = false;
};
