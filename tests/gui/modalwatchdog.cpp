#include "modalwatchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>

ModalWatchdog::ModalWatchdog(QObject* parent) : QObject(parent) {
    m_timer.setInterval(15);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::look);
    m_timer.start();
}

void ModalWatchdog::expectMessage(const QString& text, QMessageBox::StandardButton button) {
    m_expected.push_back({QStringLiteral("QMessageBox"), text, [button](QDialog& dialog) {
                              auto& box = static_cast<QMessageBox&>(dialog);
                              if (QAbstractButton* b = box.button(button))
                                  b->click();
                              else
                                  box.reject();
                          }});
}

void ModalWatchdog::expectDialog(const QString& className, std::function<void(QDialog&)> answer) {
    m_expected.push_back({className, QString(), std::move(answer)});
}

void ModalWatchdog::look() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog || !dialog->isVisible())
        return;
    ++m_dialogsSeen;
    QString what = QString::fromUtf8(dialog->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        m_messages.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        what += QStringLiteral(" \"") + box->text() + QStringLiteral("\"");
    }
    const bool matches = !m_expected.empty() && dialog->inherits(m_expected.front().className.toUtf8()) &&
                         (m_expected.front().text.isEmpty() ||
                          (qobject_cast<QMessageBox*>(dialog) &&
                           static_cast<QMessageBox*>(dialog)->text().contains(m_expected.front().text)));
    QPointer<QDialog> guard(dialog);
    if (matches) {
        const Expectation expected = m_expected.front();
        m_expected.pop_front();
        expected.answer(*dialog);
    } else {
        m_unexpected << QStringLiteral("unexpected dialog: ") + what;
    }
    // A dialog the answer left open (or an unexpected one) is closed, so the test goes on.
    if (guard && guard->isVisible()) {
        if (matches)
            m_unexpected << QStringLiteral("dialog stayed open after its answer: ") + what;
        guard->reject();
    }
}

QString ModalWatchdog::problems() const {
    QStringList all = m_unexpected;
    for (const Expectation& e : m_expected)
        all << QStringLiteral("expected dialog never came: ") + e.className + QLatin1Char(' ') + e.text;
    return all.join(QStringLiteral("; "));
}

void ModalWatchdog::reset() {
    m_expected.clear();
    m_messages.clear();
    m_unexpected.clear();
    m_dialogsSeen = 0;
}
