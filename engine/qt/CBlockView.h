#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QImage>
#include <QWidget>

#include "engine/DrawGeometry.h"
#include "engine/GameSession.h"
#include "engine/PointerChoice.h"
#include "engine/Rect.h"
#include "engine/SessionPlatform.h"
#include "engine/ViewCommands.h"
#include "engine/qt/HeldKeys.h"
#include "engine/qt/PlayfieldBitmaps.h"
#include "engine/qt/PlayfieldPointers.h"
#include "shell/Zoom.h"
#include "sound/SoundControl.h"

class AudioOutput;
class CBlockDoc;
class EffectPaths;
class FluidSynthMusicDevice;
class OutputEffectPlayer;
class QtMusicUi;
class SettingsStore;
class StatusPanes;

// The playfield view. It owns the game session and runs it: the 50 ms
// tick, drawing, message boxes, the paddle's input, the pointer shape and
// the mouse buttons. Everything is drawn into an image of the client area;
// a paint only copies the image to the screen.
class CBlockView : public QWidget, public SessionPlatform {
    Q_OBJECT
public:
    // Builds the session on the document and reads the game settings.
    CBlockView(CBlockDoc& doc, SettingsStore& settings, QWidget* parent = nullptr);
    ~CBlockView() override;

    GameSession& Session() { return session_; }
    const GameSession& Session() const { return session_; }
    const ZoomLevel& Zoom() const { return zoom_; }

    // Where the session's four indicators go; none until a window sets it.
    void SetStatusPanes(StatusPanes* panes) { panes_ = panes; }

    // Sound: the application's effect table and directory arrive once the
    // view is built; the music files are checked then, before the window shows.
    void AttachSound(EffectPaths& effects, const std::string& programDir);
    // What the music files choice of the music-not-found dialog opens.
    void SetMusicFilesDialog(std::function<void()> show);
    // Commands 33004 and 33005: always enabled, checked while on.
    void ToggleMusic() { sound_.ToggleMusic(); }
    void ToggleEffects() { sound_.ToggleEffects(); }
    bool MusicChecked() const { return session_.musicEnabled; }
    bool EffectsChecked() const { return session_.effectsEnabled; }
    void SaveSoundSettings() { sound_.SaveSoundSettings(); }
    SoundControl& Sound() { return sound_; }

    bool IsCommandEnabled(ViewCommand command) const;
    void RunCommand(ViewCommand command);

    const QImage& Image() const { return image_; }
    // The full repaint: the frame tiles the clip box touches, every cell,
    // then the editor panel or the paddle where the input puts it.
    void OnDraw(const QRect& clipBox);
    // Carries out a pending invalidation now rather than at the next paint.
    void RedrawIfInvalidated();

    // SessionPlatform
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool SetGameTimer() override;
    void KillGameTimer() override;
    void InvalidateView() override;
    void DestroyView() override;
    void DrawCell(int column, int row) override;
    void MovePaddleSprite(int oldX, int newX) override;
    void MoveServingBallSprite(int oldX, int newX) override;
    void MoveBallSprite(Point oldCentre, Point newCentre) override;
    void EraseBallSquare(Point centre) override;
    void ShowStage(int stageIndex) override;
    void ShowHighScore(std::uint16_t value) override;
    void ShowScore(std::uint16_t value) override;
    void ShowBallsLeft(int ballsLeft) override;
    void PlayEffect(SoundEvent event) override;
    void PlayMusic(MusicScene scene) override;
    void StopMusic() override;
    PaddleInput ReadPaddleInput() override;
    std::uint32_t TickCount() override;
    int MidiOutputCount() override;
    int WaveOutputCount() override;

    // The kinds the editor paints with the left and right buttons.
    int leftKind = 1;
    int rightKind = 0;

signals:
    // A command or a button press may have changed the mode or the ball's state.
    void sessionStateChanged();

protected:
    // Starts the 50 ms tick; returns its identifier, or 0 when no timer can
    // be had. Tests override it to see the program cope without one.
    virtual int StartTickTimer();

    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ResizeToZoom();
    bool InEditor() const { return session_.mode == GameMode::Editor; }
    // Asks for the screen to show what an incremental drawing changed.
    void Touched(const Rect& rect);
    void PaintSpriteMove(const SpriteMove& move, PlayfieldPicture picture);
    PixelPoint PointerPosition() const;
    void UpdatePointer(PixelPoint position);
    void UpdatePointer() { UpdatePointer(PointerPosition()); }
    void AfterSessionChange();

    GameSession session_;
    SoundControl sound_;
    std::unique_ptr<AudioOutput> audioOutput_;
    std::unique_ptr<OutputEffectPlayer> effectPlayer_;
    std::unique_ptr<FluidSynthMusicDevice> musicDevice_;
    std::unique_ptr<QtMusicUi> musicUi_;
    CBlockDoc* doc_;
    ZoomLevel zoom_;
    PlayfieldBitmaps bitmaps_;
    PlayfieldPointers pointers_;
    HeldKeys heldKeys_;
    StatusPanes* panes_ = nullptr;
    QImage image_;
    bool invalidated_ = false;  // a full repaint is due
    bool painting_ = false;     // inside paintEvent, which shows the whole change anyway
    int tickTimerId_ = 0;
    std::optional<PointerShape> pointerShape_;
};
