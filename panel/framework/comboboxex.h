#pragma once

#include <QComboBox>

// The combo box of every option page: its pop-up list is always wide enough
// for the widest item. Style sheets and the option binding find it by its
// class name, so it keeps a meta-object of its own.
class ComboBoxEx : public QComboBox
{
    Q_OBJECT

public:
    ComboBoxEx();

    void showPopup() override;

    // The width showPopup gives the list; apart so it can be checked without
    // opening a pop-up window.
    int popupWidth() const;
};
