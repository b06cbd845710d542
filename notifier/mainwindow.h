#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// The small window that tells the user why the print-accounting server
// refused or restricted a job. Closing it only hides it.
class MainWindow : public QDialog
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    QString generateDisplayMessage(QString notice);

public slots:
    void displayMessage(QString message);

private:
    QLabel *label = nullptr;
};
