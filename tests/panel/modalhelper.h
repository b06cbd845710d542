#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs action on the next modal window that opens (a modal exec() blocks the
// test otherwise), other than notThis. The action must close it. Ends the
// test program loudly when none opens within five seconds.
inline void onNextModal(const std::function<void(QWidget *)> &action, QWidget *notThis = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    auto *tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, notThis, tries]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == notThis || !modal->isVisible()) {
            if (++*tries > 500) {
                timer->stop();
                qFatal("no modal window opened");
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete tries;
        action(modal);
    });
    timer->start();
}
