#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "engine/StatusPanes.h"
#include "engine/ViewCommands.h"

class CBlockDoc;
class CBlockView;
class QAction;
class QLabel;
class SettingsStore;

// A plain window to play in: the playfield view, a status bar with the
// four game indicators, and the game's keys. Its size follows the view.
class PlayWindow : public QMainWindow, public StatusPanes {
    Q_OBJECT
public:
    PlayWindow(CBlockDoc& doc, SettingsStore& settings, QWidget* parent = nullptr);

    CBlockView* View() const { return view_; }

    // StatusPanes
    void ShowStage(int stageIndex) override;
    void ShowHighScore(std::uint16_t value) override;
    void ShowScore(std::uint16_t value) override;
    void ShowBallsLeft(int ballsLeft) override;

private:
    enum Pane { StagePane, HighScorePane, ScorePane, BallsLeftPane, PaneCount };

    void CreateStatusBar();
    void AddCommand(ViewCommand command, const QKeySequence& key);
    void UpdateCommandStates();

    CBlockView* view_;
    std::array<QLabel*, PaneCount> panes_{};
    std::vector<std::pair<QAction*, ViewCommand>> commands_;
};
