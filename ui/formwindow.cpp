#include "formwindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "session.h"

namespace spindex::ui {

FormWindow::FormWindow(Session& session, spindex::Form& form, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_form(form) {
    setObjectName(QString::fromStdString(form.name));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

FormWindow::~FormWindow() = default;

void FormWindow::print(QPainter& painter) {
    const QPixmap image = grab();
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size.boundedTo(image.size() * 4)), image);
}

int FormWindow::twipsX(int twips) const {
    return qRound(twips * logicalDpiX() / 1440.0);
}
int FormWindow::twipsY(int twips) const {
    return qRound(twips * logicalDpiY() / 1440.0);
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_session.focusChanged(&m_form);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window frame's close box unloads the window, as the program's own close commands do; for
    // the main window that ends the program.
    event->ignore();
    m_session.closeRequested(m_form);
}

} // namespace spindex::ui
