#include "graphicwindow.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cstdio>

#include "iconfolder.h"
#include "session.h"

namespace spindex::ui {

namespace {

// Colours of the sets' drives, in the order of the icon files (the files carry the same colours).
const std::array<QColor, 8> SetColours{QColor(40, 90, 230), QColor(220, 40, 40),  QColor(0, 140, 150),
                                       QColor(40, 170, 60), QColor(160, 60, 200), QColor(20, 30, 130),
                                       QColor(130, 10, 20), QColor(90, 20, 110)};
const QColor DesignTimeGrey(160, 160, 160);

// Lightens (factor above 1) or darkens (below 1) a colour the way the icon files were shaded.
QColor shade(const QColor& colour, double factor) {
    auto channel = [factor](int c) {
        return factor >= 1 ? std::min(255, qRound(c + (255 - c) * (factor - 1))) : qRound(c * factor);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

// Says once per file and run that an icon could not be read, so that an incomplete installation
// shows up without flooding the terminal each time the graphic opens.
void reportUnreadable(const QString& path) {
    static QSet<QString> reported;
    if (reported.contains(path))
        return;
    reported.insert(path);
    const QString reason = QFileInfo::exists(path) ? "cannot be read" : "is missing";
    const QString message =
        QString("Spindex: the icon file %1 %2; the graphic draws a plain picture in its place.\n").arg(path, reason);
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

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

void SlotIcon::setPicture(const QString& file, const QPixmap* pixmap) {
    m_picture = file;
    m_pixmap = pixmap ? *pixmap : QPixmap();
    m_fallback = !file.isEmpty() && !pixmap;
    update();
}

void SlotIcon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = rect();
    if (!m_pixmap.isNull())
        painter.drawPixmap(rect(), m_pixmap);
    else if (m_picture.isEmpty())
        GraphicWindow::paintDrive(painter, area, DesignTimeGrey);
    else
        GraphicWindow::paintFallback(painter, area, m_picture);
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

GraphicWindow::GraphicWindow(Session& session, spindex::GraphicForm& form, QWidget* parent)
    : FormWindow(session, form, parent), m_graphic(form), m_serial(nextSerial()) {
    m_area = new CageArea(*this);
    m_area->setFixedSize(twipsX(form.width), twipsY(form.height));
    setCentralWidget(m_area);

    m_controllerLabel = new QLabel(m_area);
    m_controllerLabel->setObjectName(QString::fromStdString(form.lblController.name));
    m_controllerLabel->setFont(QFont("Arial", 12, QFont::Bold));
    m_controllerLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_controllerLabel->setGeometry(pixels({720, 240, 4335, 555}));
    for (int c = 0; c < 4; ++c) {
        auto* label = new QLabel(m_area);
        label->setObjectName(QString::fromStdString(form.txtChannel[static_cast<size_t>(c)].name));
        QFont font = label->font();
        font.setPointSize(8);
        label->setFont(font);
        label->setGeometry(pixels({840 + 1320 * c, 920, 150, 200}));
        m_channelLabels[static_cast<size_t>(c)] = label;
    }
    // Created after the icons, the cages lie above them.
    for (size_t k = 0; k < m_icons.size(); ++k)
        m_icons[k] = new SlotIcon(*this, static_cast<int>(k), m_area);
    for (size_t c = 0; c < m_cages.size(); ++c)
        m_cages[c] = new CageCover(static_cast<int>(c), m_area);

    m_print = menuBar()->addAction(QString());
    m_print->setObjectName(QString::fromStdString(form.mnuPrintGraphics.name));
    connect(m_print, &QAction::triggered, this,
            [this] { m_session.act(m_form, [this] { m_graphic.mnuPrintGraphics.userClick(); }); });
}

QRect GraphicWindow::pixels(const spindex::Geometry& geometry) const {
    const int left = twipsX(geometry.left);
    const int top = twipsY(geometry.top);
    return QRect(left, top, twipsX(geometry.left + geometry.width) - left,
                 twipsY(geometry.top + geometry.height) - top);
}

const QPixmap* GraphicWindow::picture(const std::string& file) {
    auto it = m_pictures.find(file);
    if (it == m_pictures.end()) {
        const QString path =
            iconFolder(QString::fromStdString(m_session.program().programFolder)) + '/' + QString::fromStdString(file);
        QImageReader reader(path);
        const QImage image = reader.read();
        std::optional<QPixmap> pixmap;
        if (image.isNull())
            reportUnreadable(path);
        else
            pixmap = QPixmap::fromImage(image);
        it = m_pictures.emplace(file, std::move(pixmap)).first;
    }
    return it->second ? &*it->second : nullptr;
}

void GraphicWindow::refresh() {
    setWindowTitle(QString::fromStdString(m_form.caption));
    m_print->setText(QString::fromStdString(m_graphic.mnuPrintGraphics.caption));
    m_print->setEnabled(m_graphic.mnuPrintGraphics.enabled);
    m_print->setVisible(m_graphic.mnuPrintGraphics.visible);

    m_controllerLabel->setText(QString::fromStdString(m_graphic.lblController.caption));
    m_controllerLabel->setVisible(m_graphic.lblController.visible);
    for (size_t c = 0; c < m_channelLabels.size(); ++c) {
        m_channelLabels[c]->setText(QString::fromStdString(m_graphic.txtChannel[c].caption));
        m_channelLabels[c]->setVisible(m_graphic.txtChannel[c].visible);
    }
    for (size_t k = 0; k < m_icons.size(); ++k) {
        const spindex::Image& image = m_graphic.imgLgcDrv[k];
        SlotIcon* icon = m_icons[k];
        icon->setGeometry(pixels(image.geometry));
        icon->setPicture(QString::fromStdString(image.picture),
                         image.picture.empty() ? nullptr : picture(image.picture));
        icon->setVisible(image.visible);
    }
    for (size_t c = 0; c < m_cages.size(); ++c) {
        const spindex::Shape& cage = m_graphic.StorageCage[c];
        auto* cover = static_cast<CageCover*>(m_cages[c]);
        cover->setGeometry(pixels(cage.geometry));
        cover->setOpaque(cage.opaque);
        cover->setVisible(cage.visible);
        cover->raise();
    }
    m_area->update();
}

void GraphicWindow::paintArea(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    if (m_graphic.Controller.visible)
        painter.drawRect(pixels(m_graphic.Controller.geometry).adjusted(0, 0, -1, -1));
    auto drawLine = [&](const spindex::LineShape& line) {
        if (line.visible)
            painter.drawLine(twipsX(line.x1), twipsY(line.y1), twipsX(line.x2), twipsY(line.y2));
    };
    std::for_each(m_graphic.lnChannel.begin(), m_graphic.lnChannel.end(), drawLine);
    std::for_each(m_graphic.Line2.begin(), m_graphic.Line2.end(), drawLine);
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
    m_session.act(m_form, [this, source, target] {
        spindex::Image& to = m_graphic.imgLgcDrv[static_cast<size_t>(target)];
        if (to.onDragDrop)
            to.onDragDrop(m_graphic.imgLgcDrv[static_cast<size_t>(source)]);
    });
}

void GraphicWindow::print(QPainter& painter) {
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

// The drive is drawn on the 32 x 32 grid of the icon files: body in rows 8 to 23, columns 3 to 28,
// so that the cage's connectors meet its top and bottom edges.
void GraphicWindow::paintDrive(QPainter& painter, const QRectF& rect, const QColor& colour) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    painter.fillRect(QRectF(3, 8, 26, 16), shade(colour, 0.45));
    QLinearGradient face(0, 9, 0, 23);
    face.setColorAt(0, colour);
    face.setColorAt(1, shade(colour, 0.75));
    painter.fillRect(QRectF(4, 9, 24, 14), face);
    painter.fillRect(QRectF(4, 9, 24, 1), shade(colour, 1.55));
    painter.fillRect(QRectF(6, 14, 20, 1), shade(colour, 0.6));
    painter.fillRect(QRectF(6, 15, 20, 1), shade(colour, 1.3));
    painter.fillRect(QRectF(23, 19, 2, 2), QColor(120, 255, 120));
    painter.restore();
}

void GraphicWindow::paintEmptySlot(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    const QColor frame(128, 128, 128);
    painter.fillRect(QRectF(3, 8, 26, 1), frame);
    painter.fillRect(QRectF(3, 23, 26, 1), frame);
    painter.fillRect(QRectF(3, 8, 1, 16), frame);
    painter.fillRect(QRectF(28, 8, 1, 16), frame);
    painter.fillRect(QRectF(5, 15, 22, 2), QColor(230, 0, 0));
    painter.restore();
}

void GraphicWindow::paintFallback(QPainter& painter, const QRectF& rect, const QString& file) {
    if (file == spindex::EmptySlotIcon) {
        paintEmptySlot(painter, rect);
        return;
    }
    const auto& files = spindex::setIconFiles();
    const auto it = std::find(files.begin(), files.end(), file.toStdString());
    paintDrive(painter, rect, it == files.end() ? DesignTimeGrey : SetColours[static_cast<size_t>(it - files.begin())]);
}

} // namespace spindex::ui
