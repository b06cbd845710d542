#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

// Records "title|text" of every message box that runs modally while it
// lives, and closes each one so the code under test goes on.
class BoxRecorder
{
public:
    BoxRecorder()
    {
        QObject::connect(&probe, &QTimer::timeout, [this]() {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                if (!box->isVisible())
                    return;
                boxes << box->windowTitle() + QLatin1Char('|') + box->text();
                if (whileShown)
                    whileShown();
                box->close();
            }
        });
        probe.start(20);
    }

    QStringList boxes;
    // Runs while each box is still open, after it was recorded.
    std::function<void()> whileShown;

private:
    QTimer probe;
};
