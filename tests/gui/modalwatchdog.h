#pragma once

// Answers the program's modal dialogs in a headless test. A dialog nobody expected is closed instead
// of leaving the test waiting in its event loop for a user, and problems() names it, so the test
// fails; so does an expected dialog that never came.

#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(QObject* parent = nullptr);

    // The next dialog is a message box whose text contains `what`, or a dialog of the class `what`. It
    // is answered by pressing `button` of the message box, or by `answer`, or else cancelled.
    void expect(const QString& what, QMessageBox::StandardButton button = QMessageBox::NoButton,
                std::function<void(QDialog&)> answer = {});

    struct Message {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const std::vector<Message>& messages() const { return m_messages; }
    QString problems() const;
    void reset();

private:
    void look();

    struct Expected {
        QString what;
        QMessageBox::StandardButton button;
        std::function<void(QDialog&)> answer;
    };
    QTimer m_timer;
    std::deque<Expected> m_expected;
    std::vector<Message> m_messages;
    QStringList m_problems;
};
