#pragma once

// "Graphic Display": the controller, its channels and the storage cages with one icon per slot.
// The model decides everything shown (which icon holds which picture, what is visible, the cage
// heights, which cages cover their channel); this window draws it at the model's twips positions.
//
// Stacking, bottom to top: the drawing area (controller box, channel lines, connectors), the
// labels, the slot icons, the cages. A cage in use is only a border and lets the mouse through to
// its icons; an opaque cage hides and shields the icons of an unused channel.
//
// Dragging one slot icon onto another swaps their pictures in the model. The drag carries this
// window's own mime type with the window's serial and the source slot, so a drop from another
// window (or another run of the graphic) is refused.

#include <QMimeData>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "formwindow.h"
#include "outputforms.h"

class QAction;
class QLabel;

namespace spindex::ui {

class GraphicWindow;

// One slot icon imgLgcDrv(k): shows its picture, starts drags and takes drops.
class SlotIcon : public QWidget {
    Q_OBJECT
    // The icon file the model gives the slot; empty for the grey design-time drive.
    Q_PROPERTY(QString picture READ picture)
    // The picture is drawn in code because its file could not be read.
    Q_PROPERTY(bool fallback READ fallback)
public:
    SlotIcon(GraphicWindow& window, int index, QWidget* parent);

    int index() const { return m_index; }
    QString picture() const { return m_picture; }
    bool fallback() const { return m_fallback; }
    void setPicture(const QString& file, const QPixmap* pixmap);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    GraphicWindow& m_window;
    const int m_index;
    QString m_picture;
    QPixmap m_pixmap; // null when drawn in code
    bool m_fallback = false;
    std::optional<QPoint> m_pressedAt;
};

class GraphicWindow : public FormWindow {
    Q_OBJECT
public:
    GraphicWindow(Session& session, spindex::GraphicForm& form, QWidget* parent = nullptr);

    void refresh() override;
    void print(QPainter& painter) override;

    static constexpr const char* SlotMimeType = "application/x-spindex-slot";
    // What a drag of slot k out of this window carries.
    std::unique_ptr<QMimeData> slotMimeData(int index) const;
    // The source slot of a drag, when it comes from a slot icon of this window.
    std::optional<int> sourceSlot(const QMimeData* data) const;
    // The user dropped slot source on slot target.
    void dropSlot(int source, int target);

    SlotIcon* slotIcon(int index) const { return m_icons.at(static_cast<size_t>(index)); }

    // Paints a drive box in the colour into the rectangle, as the icon files show one; also the
    // grey design-time drive and the stand-in for a set icon that could not be read.
    static void paintDrive(QPainter& painter, const QRectF& rect, const QColor& colour);
    // Paints the free-slot picture: an empty bay with a red line.
    static void paintEmptySlot(QPainter& painter, const QRectF& rect);
    // The stand-in for a picture file that could not be read.
    static void paintFallback(QPainter& painter, const QRectF& rect, const QString& file);

private:
    friend class CageArea;
    // The picture of an icon file from the program folder; null when the file cannot be read.
    const QPixmap* picture(const std::string& file);
    QRect pixels(const spindex::Geometry& geometry) const;
    void paintArea(QPainter& painter);

    spindex::GraphicForm& m_graphic;
    const int m_serial;
    QWidget* m_area = nullptr;
    QLabel* m_controllerLabel = nullptr;
    std::array<QLabel*, 4> m_channelLabels{};
    std::array<SlotIcon*, 4 * spindex::GraphicForm::SlotsPerChannel> m_icons{};
    std::array<QWidget*, 4> m_cages{};
    QAction* m_print = nullptr;
    std::map<std::string, std::optional<QPixmap>> m_pictures;
};

} // namespace spindex::ui
