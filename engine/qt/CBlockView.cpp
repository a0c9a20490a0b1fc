// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/CBlockView.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>

#include "base/qt/MessageBox.h"
#include "base/qt/PrimaryScreen.h"
#include "engine/AwayPause.h"
#include "engine/GameSettings.h"
#include "engine/PaddleTarget.h"
#include "engine/SessionMouse.h"
#include "stages/CBlockDoc.h"

namespace {
// Any timer that is not the session's tick reaches the session under this
// identifier, so the session passes it on.
constexpr int kOtherTimer = 0;

QRect ToQRect(const Rect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

}  // namespace

CBlockView::CBlockView(CBlockDoc& doc, SettingsStore& settings, const OutputDevices& devices, QWidget* parent)
    : QWidget(parent),
      image_(doc, [this] { return InEditor(); }, [this](const Rect& rect) { Touched(rect); }, [this] { update(); }),
      session_(doc, *this, image_),
      doc_(&doc),
      settings_(&settings),
      pointers_(PlayfieldPointers::Load()),
      editor_(session_, image_),
      smooth_(*this, session_, image_) {
    doc.AttachView(this);
    zoom_ = ReadGameSettings(session_, settings, PrimaryScreen{}, devices);
    setMouseTracking(true);  // the pointer's shape follows every move
    setAttribute(Qt::WA_OpaquePaintEvent);
    qApp->installEventFilter(&heldKeys_);
    ResizeToZoom();
    UpdatePointer();
    connect(&editor_, &StageEditor::edited, this, &CBlockView::AfterEdit);
    connect(&editor_, &StageEditor::stageStepped, this, &CBlockView::AfterSessionChange);
}

CBlockView::~CBlockView() {
    qApp->removeEventFilter(&heldKeys_);
    session_.StopTimer();
    if (doc_->View() == this) doc_->AttachView(nullptr);
}

void CBlockView::ResizeToZoom() {
    const QSize size(ViewUnitsToPixels(kViewWidthUnits, zoom_.zoom), ViewUnitsToPixels(kViewHeightUnits, zoom_.zoom));
    // One image pixel per device-independent pixel; a high-density screen
    // scales the whole picture by a whole factor, keeping it crisp.
    setFixedSize(size);
    image_.SetZoom(zoom_);
}

void CBlockView::ChangeZoom(int level) {
    zoom_ = ::ApplyZoom(level, PrimaryScreen{}, *settings_);
    ResizeToZoom();
    UpdatePointer();
}

bool CBlockView::IsCommandEnabled(ViewCommand command) const { return IsViewCommandEnabled(command, session_); }

void CBlockView::RunCommand(ViewCommand command) {
    editor_.EndStroke();
    if (!RunViewCommand(command, session_)) return;
    // The editor's hold on the mouse ends with the editor.
    if (!InEditor()) editor_.EndCapture();
    AfterSessionChange();
}

void CBlockView::OnAwayFromGame() {
    if (PauseWhileAway(session_)) AfterSessionChange();
}

void CBlockView::AfterSessionChange() {
    UpdatePointer();
    emit sessionStateChanged();
}

void CBlockView::AfterEdit() {
    UpdatePointer();
    emit editStateChanged();
}

// Drawing ---------------------------------------------------------------

void CBlockView::OnDraw(const QRect& clipBox) {
    PlayfieldImage::Scene scene{InEditor(), editor_.LeftKind(), editor_.RightKind(), std::nullopt, font()};
    if (RepaintShowsBall()) scene.ball = Point{session_.State().ballX, session_.State().ballY};
    image_.Draw({clipBox.x(), clipBox.y(), clipBox.width(), clipBox.height()}, scene);
    // A repaint also brings the paddle to where the input puts it now. A
    // resting ball waits for the next tick, which puts it on the paddle.
    if (!InEditor()) session_.MovePaddle(PaddleTarget(session_, ReadPaddleInput()));
}

bool CBlockView::RepaintShowsBall() const {
    // A ball in flight, above all a paused one that no tick moves, stays in
    // sight. While a tick's message box is open the ball may just have been
    // lost, so it is left to the ticks after the box.
    const BallState state = session_.State().ballState;
    return !InEditor() && !session_.State().busy && (state == BallState::InFlight || state == BallState::Paused);
}

void CBlockView::RedrawIfInvalidated() {
    if (image_.TakeInvalidation()) OnDraw(image_.Image().rect());
}

void CBlockView::paintEvent(QPaintEvent* event) {
    painting_ = true;
    RedrawIfInvalidated();
    painting_ = false;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), image_.Image(), event->rect());
    smooth_.Paint(painter, event->rect());
}

void CBlockView::Touched(const Rect& rect) {
    if (!painting_) update(ToQRect(rect));
}

// Timer and message boxes -------------------------------------------------

int CBlockView::StartTickTimer() { return startTimer(GameSession::kTimerPeriodMs, Qt::PreciseTimer); }

bool CBlockView::SetGameTimer() {
    tickTimerId_ = StartTickTimer();
    return tickTimerId_ != 0;
}

void CBlockView::KillGameTimer() {
    if (tickTimerId_ != 0) killTimer(tickTimerId_);
    tickTimerId_ = 0;
}

void CBlockView::timerEvent(QTimerEvent* event) {
    const bool tick = tickTimerId_ != 0 && event->timerId() == tickTimerId_;
    if (!session_.OnGameTick(tick ? GameSession::kTimerId : kOtherTimer)) {
        QWidget::timerEvent(event);
        return;
    }
    if (smooth_.On()) smooth_.AfterTick();
    // A launched, lost or served ball changes the pointer under a still mouse.
    UpdatePointer();
}

void CBlockView::ShowMessage(std::string_view text, MessageIcon icon) {
    // The box's own event loop keeps other events coming; a tick that opens
    // one has set the session's busy flag against ticks meanwhile.
    ShowMessageBox(this, text, icon);
}

void CBlockView::DestroyView() { window()->close(); }

// Clock -------------------------------------------------------------------

std::uint32_t CBlockView::TickCount() {
    // The monotonic clock counts from system start; the count wraps like
    // a 32-bit tick count.
    QElapsedTimer now;
    now.start();
    return static_cast<std::uint32_t>(now.msecsSinceReference());
}

// Input --------------------------------------------------------------------

PixelPoint CBlockView::PointerPosition() const {
    // The pointer counts wherever it is, outside the window too.
    const QPoint position = mapFromGlobal(QCursor::pos());
    return {position.x(), position.y()};
}

PaddleInput CBlockView::ReadPaddleInput() {
    return {heldKeys_.Left(), heldKeys_.Right(), heldKeys_.Shift(), PointerPosition().x, zoom_.zoom};
}

void CBlockView::UpdatePointer(PixelPoint position) {
    const PointerShape shape = ChoosePointer(session_, position, zoom_);
    if (shape == pointerShape_) return;
    pointerShape_ = shape;
    setCursor(pointers_.For(shape));
}

namespace {
PixelPoint PositionOf(const QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    return {position.x(), position.y()};
}

bool IsPaintingButton(Qt::MouseButton button) { return button == Qt::LeftButton || button == Qt::RightButton; }
}  // namespace

void CBlockView::mouseMoveEvent(QMouseEvent* event) {
    const PixelPoint position = PositionOf(event);
    UpdatePointer(position);
    // The window system keeps sending moves outside the view while a button
    // is held, so a drag goes on wherever the pointer wanders.
    if (!InEditor() || !editor_.Dragging()) return;
    // The release may have gone elsewhere (to a box that opened mid-drag,
    // say): a move with no button held ends the drag instead of painting.
    if ((event->buttons() & (Qt::LeftButton | Qt::RightButton)) == Qt::NoButton) {
        editor_.EndCapture();
        return;
    }
    editor_.Drag(position, zoom_);
}

void CBlockView::mousePressEvent(QMouseEvent* event) {
    if (InEditor()) {
        if (IsPaintingButton(event->button()))
            editor_.Press(PositionOf(event), event->button() == Qt::LeftButton, zoom_);
        return;
    }
    if (event->button() == Qt::LeftButton) PressLeftOutsideEditor(session_);
    if (event->button() == Qt::RightButton) PressRightOutsideEditor(session_);
    AfterSessionChange();
}

void CBlockView::mouseReleaseEvent(QMouseEvent* event) {
    if (InEditor() && IsPaintingButton(event->button()))
        editor_.Release(PositionOf(event), event->button() == Qt::LeftButton, zoom_);
}

bool CBlockView::event(QEvent* event) {
    // A modal box over the window, or a grab taken away, leaves the view
    // without the mouse: the editor's drag ends there.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::UngrabMouse) editor_.EndCapture();
    return QWidget::event(event);
}

// The stage set's view -------------------------------------------------------

void CBlockView::RestartOnNewSet() {
    // The history belongs to the set that was there before.
    editor_.Forget();
    session_.StartGame();
    AfterSessionChange();
    emit editStateChanged();
}

void CBlockView::RepaintStage() { image_.InvalidateView(); }

std::uint16_t CBlockView::HighScore() const { return session_.State().highScore; }

void CBlockView::SetHighScore(std::uint16_t score) { session_.SetHighScore(score); }
