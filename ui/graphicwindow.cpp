#include "graphicwindow.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controlbinder.h"
#include "iconfolder.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {

int nextSerial() {
    static int serial = 0;
    return ++serial;
}

} // namespace

// The window's drawing surface: the controller box, the channel lines and the connectors.
class CageArea : public QWidget {
public:
    explicit CageArea(GraphicWindow& window) : QWidget(&window), m_window(window) {
        setObjectName("GraphicArea");
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_window.paintArea(painter);
    }

private:
    GraphicWindow& m_window;
};

namespace {

// A storage cage: a border around the icons of a channel in use, or, for an unused channel, a
// patch of window background that hides its icons and keeps the mouse away from them.
class CageCover : public QWidget {
public:
    CageCover(int channel, QWidget* parent) : QWidget(parent) {
        setObjectName(QString::fromStdString(spindex::indexedName("StorageCage", channel)));
    }
    void setOpaque(bool opaque) {
        setProperty("opaque", opaque);
        setAttribute(Qt::WA_TransparentForMouseEvents, !opaque);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (property("opaque").toBool()) {
            painter.fillRect(rect(), palette().color(QPalette::Window));
        } else {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

} // namespace

SlotIcon::SlotIcon(GraphicWindow& window, int index, QWidget* parent)
    : QWidget(parent), m_window(window), m_index(index) {
    setObjectName(QString::fromStdString(spindex::indexedName("imgLgcDrv", index)));
    setAcceptDrops(true);
}

void SlotIcon::setPicture(const QString& file, const QIcon* icon) {
    m_picture = file;
    m_icon = icon ? *icon : QIcon();
    m_fallback = !file.isEmpty() && !icon;
    update();
}

QPixmap SlotIcon::shownImage(qreal devicePixelRatio) const {
    return m_icon.isNull() ? QPixmap() : m_icon.pixmap(size(), devicePixelRatio);
}

void SlotIcon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = rect();
    // The icon picks the image of the file that matches the screen's pixels, so the drive stays sharp
    // at any scale.
    if (!m_icon.isNull())
        m_icon.paint(&painter, rect());
    else if (m_picture.isEmpty())
        paintDrive(painter, area, DesignTimeGrey);
    else
        paintFallback(painter, area, m_picture);
}

void SlotIcon::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void SlotIcon::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressedAt || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(m_window.slotMimeData(m_index).release());
    drag->setPixmap(grab());
    drag->setHotSpot(*m_pressedAt);
    m_pressedAt.reset();
    // The drag runs its own event loop inside this icon: a window let go of meanwhile (the graphic
    // closed by a focus change) must stay alive until it returns.
    const NestedLoop loop(m_window.actions().loops(), EventLoops::Drag);
    drag->exec(Qt::MoveAction);
}

void SlotIcon::dragEnterEvent(QDragEnterEvent* event) {
    if (m_window.sourceSlot(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SlotIcon::dragMoveEvent(QDragMoveEvent* event) {
    if (m_window.sourceSlot(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SlotIcon::dropEvent(QDropEvent* event) {
    const std::optional<int> source = m_window.sourceSlot(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_window.dropSlot(*source, m_index);
}

GraphicWindow::GraphicWindow(WindowActions& actions, spindex::GraphicForm& form, QWidget* owner)
    : FormWindow(actions, form, owner), m_serial(nextSerial()),
      m_pictures(iconFolder(QString::fromStdString(form.program.programFolder))) {
    m_area = new CageArea(*this);
    m_area->setFixedSize(twipsX(form.width), twipsY(form.height));

    ControlBinder& bind = binder();
    QLabel* controller = bind.label(form.lblController);
    controller->setFont(QFont("Arial", 12, QFont::Bold));
    controller->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    std::vector<std::pair<QLabel*, const spindex::Label*>> labels{{controller, &form.lblController}};
    for (spindex::Label& channel : form.txtChannel) {
        QLabel* label = bind.label(channel);
        QFont font = label->font();
        font.setPointSize(8);
        label->setFont(font);
        labels.emplace_back(label, &channel);
    }
    for (auto [label, control] : labels) {
        label->setParent(m_area);
        label->setGeometry(pixels(control->geometry));
    }
    // Created after the icons, the cages lie above them.
    for (size_t k = 0; k < m_icons.size(); ++k)
        m_icons[k] = new SlotIcon(*this, static_cast<int>(k), m_area);
    for (size_t c = 0; c < m_cages.size(); ++c)
        m_cages[c] = new CageCover(static_cast<int>(c), m_area);

    bind.menuItem(form.mnuPrintGraphics, *menuBar());
    setScrolledContent(m_area, true);
}

void GraphicWindow::showModel(spindex::Form& form) {
    auto& graphic = static_cast<spindex::GraphicForm&>(form);
    binder().refresh();
    for (size_t k = 0; k < m_icons.size(); ++k) {
        const spindex::Image& image = graphic.imgLgcDrv[k];
        SlotIcon* icon = m_icons[k];
        icon->setGeometry(pixels(image.geometry));
        icon->setPicture(QString::fromStdString(image.picture),
                         image.picture.empty() ? nullptr : m_pictures.icon(image.picture));
        const QString description = QString::fromStdString(graphic.slotDescription(static_cast<int>(k)));
        icon->setToolTip(description);
        icon->setAccessibleName(description);
        icon->setVisible(image.visible);
    }
    for (size_t c = 0; c < m_cages.size(); ++c) {
        const spindex::Shape& cage = graphic.StorageCage[c];
        auto* cover = static_cast<CageCover*>(m_cages[c]);
        cover->setGeometry(pixels(cage.geometry));
        cover->setOpaque(cage.opaque);
        cover->setVisible(cage.visible);
        cover->raise();
    }
    m_area->update();
}

void GraphicWindow::paintArea(QPainter& painter) {
    const spindex::GraphicForm* graphic = this->graphic();
    if (!graphic)
        return;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    if (graphic->Controller.visible)
        painter.drawRect(pixels(graphic->Controller.geometry).adjusted(0, 0, -1, -1));
    auto drawLine = [&](const spindex::LineShape& line) {
        if (line.visible)
            painter.drawLine(twipsX(line.x1), twipsY(line.y1), twipsX(line.x2), twipsY(line.y2));
    };
    std::for_each(graphic->lnChannel.begin(), graphic->lnChannel.end(), drawLine);
    std::for_each(graphic->Line2.begin(), graphic->Line2.end(), drawLine);
}

std::unique_ptr<QMimeData> GraphicWindow::slotMimeData(int index) const {
    auto data = std::make_unique<QMimeData>();
    data->setData(SlotMimeType, QByteArray::number(m_serial) + ':' + QByteArray::number(index));
    return data;
}

std::optional<int> GraphicWindow::sourceSlot(const QMimeData* data) const {
    if (!data || !data->hasFormat(SlotMimeType))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(SlotMimeType).split(':');
    if (parts.size() != 2)
        return std::nullopt;
    bool serialOk = false;
    bool indexOk = false;
    const int serial = parts[0].toInt(&serialOk);
    const int index = parts[1].toInt(&indexOk);
    if (!serialOk || !indexOk || serial != m_serial || index < 0 || index >= static_cast<int>(m_icons.size()))
        return std::nullopt;
    return index;
}

void GraphicWindow::dropSlot(int source, int target) {
    spindex::GraphicForm* graphic = this->graphic();
    if (!graphic)
        return;
    m_actions.act(*graphic, [graphic, source, target] {
        spindex::Image& to = graphic->imgLgcDrv[static_cast<size_t>(target)];
        if (to.onDragDrop)
            to.onDragDrop(graphic->imgLgcDrv[static_cast<size_t>(source)]);
    });
}

void GraphicWindow::print(QPainter& painter) {
    if (!graphic())
        return;
    // The window's image, rendered at three times the screen's resolution so that it stays sharp
    // when it is enlarged to the page.
    constexpr qreal Detail = 3;
    QImage image(m_area->size() * Detail, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(Detail);
    image.fill(m_area->palette().color(QPalette::Window));
    m_area->render(&image);
    const QRect page = painter.viewport();
    const QSize size = m_area->size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
}

} // namespace spindex::ui
