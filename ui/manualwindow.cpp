#include "manualwindow.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

#include "placement.h"

namespace spindex::ui {

ManualWindow::ManualWindow(QWidget* parent) : QMainWindow(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("manualWindow"));
    setWindowTitle(QStringLiteral("Spindex Manual"));
    m_browser->setObjectName(QStringLiteral("manual"));
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDocumentMargin(12);
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("&Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction(QStringLiteral("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    bar->addAction(QStringLiteral("&Contents"), m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    // Escape and Ctrl+W close it, as they close the program's other windows.
    auto* close = new QAction(this);
    close->setObjectName(QStringLiteral("closeManual"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void ManualWindow::placeOnScreen() {
    QScreen* screen = openOnScreen(*this, nullptr);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Wide enough for the pictures of the main window, never larger than the screen.
    const QMargins frame = windowFrame(*this);
    const Placement placement = placeWindow(area, frame, QSize(1060, 780).boundedTo(area.size() * 9 / 10));
    applyPlacement(*this, placement, frame);
}

bool ManualWindow::event(QEvent* event) {
    // The window manager tells the frame it draws once it has framed the window.
    const QEvent::Type type = event->type();
    if (!m_frameChecked && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::ActivationChange))
        m_frameChecked = keepFrameOnScreen(*this);
    return QMainWindow::event(event);
}

void ManualWindow::open(const QString& path) {
    m_browser->clearHistory();
    m_browser->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), QTextDocument::MarkdownResource);
}

} // namespace spindex::ui
