#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class ComboBoxEx;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

// Custom colour adjustment for full-colour printing: a hue shift (all colours
// or one of six) with saturation, lightness and contrast, or three colour
// balances. The switch and the mode are the PPD options "Cadj" and
// "CaColorSpace", marked on OK; the positions are kept between runs and put
// back into the widgets before every run.
class adjustmentDialog : public QDialog
{
    Q_OBJECT

public:
    explicit adjustmentDialog(QWidget *parent = nullptr);

    // The thirteen adjustment keys in the order every list uses.
    static const QStringList &adjustmentKeys();

    // The 29 pairs: switch, mode, hue selection, thirteen quantised values
    // and thirteen exact positions, from the widgets as they stand.
    QList<QPair<QString, QString>> getOptions() const;
    // The switch, mode, hue selection and positions of the active settings file.
    void loadStoredValues();
    // Back to how the dialog was built: switch off, every row at 0, no hue
    // list, nothing kept. The option model is left alone.
    void forgetValues();

    QSlider *slider(const QString &key) const { return slidersByKey.value(key, nullptr); }
    QLineEdit *edit(const QString &key) const { return editsByKey.value(key, nullptr); }
    QLabel *rowLabel(const QString &key) const { return labelsByKey.value(key, nullptr); }
    QCheckBox *customCheckBox() const { return customBox; }
    QRadioButton *hslButton() const { return hslRadio; }
    QRadioButton *balanceButton() const { return balanceRadio; }
    ComboBoxEx *hueComboBox() const { return hueCombo; }
    QGroupBox *hueGroupBox() const { return hueGroup; }
    QGroupBox *levelsGroupBox() const { return levelsGroup; }
    QDialogButtonBox *buttons() const { return buttonBox; }
    QList<QPair<QString, double>> kept() const { return keptValues; }
    int keptHue() const { return keptHueIndex; }

public slots:
    int exec() override;
    void saveSettings();
    void resetStates();
    void hueSelectedChanged(QString hue);
    void setLineEditText(int value);
    void setSliderValue();
    void markCaColorSpace();
    void clearMasterSliderValue();
    void clearOtherSliderValues();
    void clearHSLSettings();
    void clearColorBalanceSettings();

private:
    // What a run started from, so that a run the user did not confirm can be
    // taken back whole, the rows of options the printer lacks included.
    struct OpenState
    {
        bool custom = false;
        bool hsl = true;
        int hueIndex = 0;
        QHash<QString, int> positions;
        QHash<QString, QString> texts;
    };

    void setupUi();
    void connectSignals();
    void buildWidgetMaps();
    void applyStates();
    QString storedValue(const QString &key) const;
    void blockAllSignals(bool block);
    void addRow(const QString &key, QLabel *caption, int minimum, int maximum, const QString &pattern, int length);
    int positionFor(const QString &key, double value) const;
    OpenState currentState() const;
    void restore(const OpenState &state);

    int sliderScale = 100;
    int keptHueIndex = 0;
    QHash<QString, QSlider *> slidersByKey;
    QHash<QString, QLineEdit *> editsByKey;
    QHash<QString, QString> keywordsByHueText;
    QHash<QString, QLabel *> labelsByKey;
    QList<QPair<QString, double>> keptValues;

    QLabel *pixmapLabel = nullptr;
    QCheckBox *customBox = nullptr;
    QRadioButton *hslRadio = nullptr;
    QRadioButton *balanceRadio = nullptr;
    QGroupBox *hueGroup = nullptr;
    QLabel *modifyLabel = nullptr;
    ComboBoxEx *hueCombo = nullptr;
    QGroupBox *levelsGroup = nullptr;
    QHash<QString, QLabel *> captions;      // every row's (left) caption
    QHash<QString, QLabel *> rightCaptions; // the colour-balance rows' right captions
    QHash<QString, QSlider *> sliders;
    QHash<QString, QLineEdit *> edits;
    QDialogButtonBox *buttonBox = nullptr;
    bool confirmed = false;
    // Set while the master hue clears the single-colour hues, so that
    // clearing them does not in turn put the master back to 0.
    bool clearingSingleHues = false;
};
