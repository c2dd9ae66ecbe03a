#pragma once

// Answers the program's modal dialogs in a headless test, and fails the test on one it did not
// expect instead of hanging in its event loop.
//
// A test says which dialogs come next and how to answer them; a timer looks for the active modal
// widget many times a second. An expected dialog is answered, an unexpected one is closed and
// recorded, and an expected one that never came is reported by problems().

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QDialog;

class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(QObject* parent = nullptr);

    // The next dialog is a message box whose text contains `text`; it is answered with `button`.
    void expectMessage(const QString& text, QMessageBox::StandardButton button = QMessageBox::Ok);
    // The next dialog is of the class named (QFileDialog, QPrintDialog, ...); `answer` closes it.
    void expectDialog(const QString& className, std::function<void(QDialog&)> answer);

    // What a message box showed.
    struct Message {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const std::vector<Message>& messages() const { return m_messages; }
    int dialogsSeen() const { return m_dialogsSeen; }

    // Unexpected dialogs and expected ones that never came; empty when all went as scripted.
    QString problems() const;
    void reset();

private:
    void look();

    struct Expectation {
        QString className;
        QString text;
        std::function<void(QDialog&)> answer;
    };
    QTimer m_timer;
    std::deque<Expectation> m_expected;
    std::vector<Message> m_messages;
    QStringList m_unexpected;
    int m_dialogsSeen = 0;
};
