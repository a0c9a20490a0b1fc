#include "shell/qt/PlayWindow.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

#include "engine/StatusTexts.h"
#include "engine/qt/CBlockView.h"
#include "shell/StringTable.h"
#include "shell/qt/QtText.h"

namespace {
// Room either side of a pane's text, so the sizing text fits inside its frame.
constexpr int kPanePadding = 8;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

PlayWindow::PlayWindow(CBlockDoc& doc, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), view_(new CBlockView(doc, settings, this)) {
    setWindowTitle(ToQString(LoadString(StringId::ProgramTitle)));
    setCentralWidget(view_);
    CreateStatusBar();
    view_->SetStatusPanes(this);
    // The user cannot resize the window: it always fits the playfield.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    AddCommand(ViewCommand::Play, QKeySequence(Qt::CTRL | Qt::Key_P));
    AddCommand(ViewCommand::Demo, QKeySequence(Qt::CTRL | Qt::Key_D));
    AddCommand(ViewCommand::Editor, QKeySequence(Qt::CTRL | Qt::Key_E));
    AddCommand(ViewCommand::Pause, QKeySequence(Qt::Key_Escape));
    AddCommand(ViewCommand::Launch, QKeySequence(Qt::Key_Space));
    connect(view_, &CBlockView::sessionStateChanged, this, &PlayWindow::UpdateCommandStates);
    UpdateCommandStates();
}

void PlayWindow::CreateStatusBar() {
    const std::array<const char*, PaneCount> sizingTexts = {
        StatusTexts::kStageSizing, StatusTexts::kHighScoreSizing, StatusTexts::kScoreSizing,
        StatusTexts::kBallsLeftSizing};
    for (int pane = 0; pane < PaneCount; ++pane) {
        auto* label = new QLabel(QString::fromUtf8(sizingTexts[pane]), this);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + kPanePadding);
        statusBar()->addWidget(label);
        panes_[pane] = label;
    }
    statusBar()->setSizeGripEnabled(false);  // the window is never resized by hand
    // The rest of the bar stays empty.
    statusBar()->addWidget(new QLabel(this), 1);
}

void PlayWindow::AddCommand(ViewCommand command, const QKeySequence& key) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, view_, [this, command] { view_->RunCommand(command); });
    addAction(action);
    commands_.emplace_back(action, command);
}

void PlayWindow::UpdateCommandStates() {
    for (const auto& [action, command] : commands_) action->setEnabled(view_->IsCommandEnabled(command));
}

void PlayWindow::ShowStage(int stageIndex) { panes_[StagePane]->setText(FromUtf8(StatusTexts::Stage(stageIndex))); }

void PlayWindow::ShowHighScore(std::uint16_t value) {
    panes_[HighScorePane]->setText(FromUtf8(StatusTexts::HighScore(value)));
}

void PlayWindow::ShowScore(std::uint16_t value) { panes_[ScorePane]->setText(FromUtf8(StatusTexts::Score(value))); }

void PlayWindow::ShowBallsLeft(int ballsLeft) {
    panes_[BallsLeftPane]->setText(FromUtf8(StatusTexts::BallsLeft(ballsLeft)));
}
