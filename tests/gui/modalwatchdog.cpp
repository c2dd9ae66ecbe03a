#include "modalwatchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

ModalWatchdog::ModalWatchdog(QObject* parent) : QObject(parent) {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::look);
    m_timer.start(15);
}

void ModalWatchdog::expect(const QString& what, QMessageBox::StandardButton button,
                           std::function<void(QDialog&)> answer) {
    m_expected.push_back({what, button, std::move(answer)});
}

void ModalWatchdog::look() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(dialog);
    QString what = QString::fromUtf8(dialog->metaObject()->className());
    if (box) {
        m_messages.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        what += QStringLiteral(" \"%1\"").arg(box->text());
    }
    QPointer<QDialog> guard(dialog);
    if (m_expected.empty() || !(dialog->inherits(m_expected.front().what.toUtf8()) ||
                                (box && box->text().contains(m_expected.front().what)))) {
        m_problems << QStringLiteral("unexpected dialog: ") + what;
    } else {
        const Expected expected = m_expected.front();
        m_expected.pop_front();
        if (expected.answer) {
            expected.answer(*dialog);
        } else if (box && expected.button != QMessageBox::NoButton) {
            if (QAbstractButton* button = box->button(expected.button))
                button->click();
            else
                m_problems << QStringLiteral("no such button in ") + what;
        }
    }
    if (guard && guard->isVisible())
        guard->reject();
}

QString ModalWatchdog::problems() const {
    QStringList all = m_problems;
    for (const Expected& e : m_expected)
        all << QStringLiteral("expected dialog never came: ") + e.what;
    return all.join(QStringLiteral("; "));
}

void ModalWatchdog::reset() {
    m_expected.clear();
    m_messages.clear();
    m_problems.clear();
}
