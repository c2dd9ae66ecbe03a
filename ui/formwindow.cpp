#include "formwindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QWindow>

#include "controlbinder.h"
#include "placement.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {

// A scroll area that asks for the whole of its content: the window opens large enough to show all
// of it, and scrolls only when the screen (or the user) makes it smaller.
class ContentScroller : public QScrollArea {
public:
    explicit ContentScroller(QWidget* parent) : QScrollArea(parent) {
        setObjectName(QStringLiteral("ContentScroller"));
        setFrameShape(QFrame::NoFrame);
        // The content keeps its own size, so a larger window does not spread its rows.
        setWidgetResizable(false);
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    QSize sizeHint() const override {
        const QWidget* content = widget();
        if (!content)
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        // A content without a layout has its fixed size and no size hint.
        return content->sizeHint().expandedTo(content->minimumSize()) + QSize(frame, frame);
    }

    // Shows the part of a control that has the focus: all of it, or, of a tab bar wider than the
    // window, its current tab.
    void showFocus(QWidget& focused) {
        QWidget* content = widget();
        if (!content || !content->isAncestorOf(&focused))
            return;
        QRect part(QPoint(0, 0), focused.size());
        if (auto* bar = qobject_cast<QTabBar*>(&focused); bar && bar->currentIndex() >= 0)
            part = bar->tabRect(bar->currentIndex());
        const QRect inContent(focused.mapTo(content, part.topLeft()), part.size());
        ensureVisible(inContent.center().x(), inContent.center().y(), inContent.width() / 2 + 20,
                      inContent.height() / 2 + 20);
    }

protected:
    bool focusNextPrevChild(bool next) override {
        if (!QWidget::focusNextPrevChild(next))
            return false;
        if (QWidget* focused = focusWidget())
            showFocus(*focused);
        return true;
    }
};

bool isEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isCloseKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier)
        return true;
    return event.matches(QKeySequence::Close) || (event.key() == Qt::Key_W && event.modifiers() == Qt::ControlModifier);
}

} // namespace

FormWindow::FormWindow(WindowActions& actions, spindex::Form& form, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_actions(actions), m_form(&form) {
    setObjectName(QString::fromStdString(form.name));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

FormWindow::~FormWindow() = default;

ControlBinder& FormWindow::binder() {
    Q_ASSERT(m_form);
    if (!m_binder)
        m_binder = new ControlBinder(m_actions, *m_form, *this);
    return *m_binder;
}

void FormWindow::refresh() {
    if (m_form)
        showModel(*m_form);
}

void FormWindow::detach() {
    if (!m_form)
        return;
    if (m_binder)
        m_binder->detach();
    release();
    m_form = nullptr;
}

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

QRect FormWindow::pixels(const spindex::Geometry& geometry) const {
    const int left = twipsX(geometry.left);
    const int top = twipsY(geometry.top);
    return QRect(left, top, twipsX(geometry.left + geometry.width) - left,
                 twipsY(geometry.top + geometry.height) - top);
}

void FormWindow::setScrolledContent(QWidget* content, bool keyboardScrolls) {
    m_scroll = new ContentScroller(this);
    m_scroll->setFocusPolicy(keyboardScrolls ? Qt::StrongFocus : Qt::NoFocus);
    m_scroll->setWidget(content);
    setCentralWidget(m_scroll);
}

void FormWindow::showFocusedPart() {
    if (m_scroll && focusWidget())
        static_cast<ContentScroller*>(m_scroll)->showFocus(*focusWidget());
}

void FormWindow::setDefaultButton(QPushButton* button) {
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

void FormWindow::placeOnScreen() {
    QScreen* screen = openOnScreen(*this, parentWidget());
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = windowFrame(*this);
    const QSize room = placeWindow(area, frame, area.size()).size;
    // The layouts of a window not yet shown keep the sizes they measured before its texts were
    // set; they measure again.
    for (QWidget* child : findChildren<QWidget*>())
        child->updateGeometry();
    const QList<QLayout*> layouts = findChildren<QLayout*>();
    for (QLayout* layout : layouts)
        layout->invalidate();
    for (auto it = layouts.rbegin(); it != layouts.rend(); ++it)
        (*it)->activate();
    if (layout())
        layout()->activate();
    QSize size = designedSize();
    if (m_scroll) {
        // Content cut down in one direction scrolls that way, and its scroll bar takes room from the
        // other.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
        if (size.height() > room.height())
            size.rwidth() += bar;
        if (size.width() > room.width())
            size.rheight() += bar;
    }
    const Placement placement = placeWindow(area, frame, size);
    applyPlacement(*this, placement, frame);
}

bool FormWindow::event(QEvent* event) {
    // The window manager tells the frame it draws once it has framed the window.
    const QEvent::Type type = event->type();
    if (!m_frameChecked && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::ActivationChange))
        m_frameChecked = keepFrameOnScreen(*this);
    return QMainWindow::event(event);
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (m_form && event->type() == QEvent::ActivationChange && isActiveWindow())
        m_actions.activated(*m_form);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window frame's close box unloads the window, as the program's own close commands do; for
    // the main window that ends the program. A window already let go of just closes.
    if (!m_form)
        return;
    event->ignore();
    m_actions.closeRequested(*m_form);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (m_form && isEnter(*event)) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (!button || !button->isEnabled())
            button = m_defaultButton;
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    if (m_form && parentWidget() && isCloseKey(*event)) {
        m_actions.closeRequested(*m_form);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace spindex::ui
