// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CMainFrame.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>

#include "base/CommandIds.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "base/Zoom.h"
#include "base/qt/MessageBox.h"
#include "base/qt/PrimaryScreen.h"
#include "base/qt/QtText.h"
#include "engine/ViewCommands.h"
#include "engine/qt/CBlockView.h"
#include "shell/DroppedFiles.h"
#include "shell/HelpTopics.h"
#include "shell/MainMenu.h"
#include "shell/OptionSettings.h"
#include "shell/WindowPlace.h"
#include "shell/qt/AboutBox.h"
#include "shell/qt/CommandTable.h"
#include "shell/qt/GameStatusBar.h"
#include "shell/qt/MainToolbar.h"
#include "shell/qt/OptionCommands.h"
#include "shell/qt/QtHelpService.h"
#include "sound/SoundControl.h"
#include "sound/qt/SoundCommands.h"
#include "sound/qt/SoundDevices.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"

namespace {
using namespace Settings;

// Commands whose menu item or button shows a mark.
constexpr int kMarkedCommands[] = {
    CommandId::Play,       CommandId::Demo,          CommandId::Editor,          CommandId::Pause,
    CommandId::BonusBall,  CommandId::ToggleToolbar, CommandId::ToggleStatusBar, CommandId::SpeedSlow,
    CommandId::SpeedNormal, CommandId::SpeedFast,    CommandId::SpeedTurbo,      CommandId::MusicToggle,
    CommandId::EffectsToggle, CommandId::ToggleSmoothMotion,
};

// Where context help finds the topic of a menu item, a button or a pane.
const char* const kHelpTopicProperty = "helpTopic";

QIcon ProgramIcon() {
    QIcon icon(QStringLiteral(":/icons/2.png"));
    icon.addFile(QStringLiteral(":/icons/2-16.png"));
    return icon;
}

std::vector<DroppedFile> LocalFiles(const QMimeData& data) {
    std::vector<DroppedFile> files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        files.push_back({path.toStdString(), QFileInfo(path).isDir()});
    }
    return files;
}
}  // namespace

CMainFrame::CMainFrame(CBlockDoc& doc, DocumentCommands& documentCommands, SettingsStore& settings,
                       QtHelpService& help, SoundDevices& devices)
    : doc_(&doc),
      documentCommands_(&documentCommands),
      settings_(&settings),
      help_(&help),
      devices_(&devices),
      commands_(new CommandTable([this] { return CurrentContext(); }, this)) {
    // A caption, a system menu and a minimise box; no sizing border and no
    // maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(LoadString(StringId::ProgramTitle)));
    setWindowIcon(ProgramIcon());
    const PixelPoint storedPlace{settings.ReadInt(kSection, kLeft, kDefaultPosition),
                                 settings.ReadInt(kSection, kTop, kDefaultPosition)};

    view_ = new CBlockView(doc, settings, devices, this);
    setCentralWidget(view_);
    CreateMenus();
    toolBar_ = CreateMainToolbar(this, *commands_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    statusBar_ = new GameStatusBar(this);
    setStatusBar(statusBar_);
    view_->Session().AttachPanes(*statusBar_);
    ReadBarSettings();
    view_->SetSmoothMotion(settings.ReadInt(kSection, kSmooth, kDefaultSmooth) == 1);
    // Sized and placed before it is first shown: a window that the toolkit
    // resizes after creating it would have its place taken for the client
    // area's, and open with its title bar above the stored place.
    FitFrameToZoom(view_->Zoom().zoom);
    MoveToPlace(storedPlace);
    setAcceptDrops(true);

    CreateAccelerators();
    BindCommands();
    SetHelpTopics();
    connect(view_, &CBlockView::sessionStateChanged, commands_, &CommandTable::Refresh);
    connect(view_, &CBlockView::editStateChanged, commands_, &CommandTable::Refresh);
    connect(statusBar_, &GameStatusBar::stageShown, commands_, &CommandTable::Refresh);
    // The program's own dialogs and boxes keep it the active one; only another
    // program taking the focus makes it inactive.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) view_->OnAwayFromGame();
    });
    commands_->Refresh();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateMenus() {
    for (const int command : kMarkedCommands) commands_->Action(command)->setCheckable(true);
    auto* modes = new QActionGroup(this);
    for (const int command : {CommandId::Play, CommandId::Demo, CommandId::Editor})
        modes->addAction(commands_->Action(command));

    for (const MainMenu::Popup& popup : MainMenu::Popups()) {
        QMenu* menu = menuBar()->addMenu(ToQString(popup.text));
        // The rules are asked again each time a menu opens.
        connect(menu, &QMenu::aboutToShow, commands_, &CommandTable::Refresh);
        for (const MainMenu::Item& item : popup.items) {
            if (item.command == MainMenu::kSeparator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = commands_->Action(item.command);
            action->setText(ToQString(item.text));
            menu->addAction(action);
        }
    }
}

void CMainFrame::CreateAccelerators() {
    for (const MainMenu::Accelerator& accelerator : MainMenu::Accelerators()) {
        QAction* action = commands_->Action(accelerator.command);
        action->setShortcut(QKeySequence::fromString(ToQString(accelerator.key), QKeySequence::PortableText));
        // Keys of commands without a menu item or button work through the window.
        addAction(action);
    }
}

void CMainFrame::ReadBarSettings() {
    if (settings_->ReadString(kSection, kToolbar, kDefaultBar) != kOn) toolBar_->hide();
    if (settings_->ReadString(kSection, kStatusBar, kDefaultBar) != kOn) statusBar_->hide();
}

void CMainFrame::BindCommands() {
    using namespace CommandId;
    commands_->SetHandler(FileNew, [this] { documentCommands_->FileNew(); });
    commands_->SetHandler(FileOpen, [this] { documentCommands_->FileOpen(); });
    commands_->SetHandler(FileSave, [this] { documentCommands_->FileSave(); });
    commands_->SetHandler(FileSaveAs, [this] { documentCommands_->FileSaveAs(); });
    commands_->SetHandler(AppExit, [this] { close(); });
    commands_->SetHandler(ToggleToolbar, [this] { ToggleBar(toolBar_); });
    commands_->SetHandler(ToggleStatusBar, [this] { ToggleBar(statusBar_); });
    commands_->SetHandler(ToggleSmoothMotion, [this] { SwitchSmoothMotion(); });
    commands_->SetHandler(Zoom, [this] { ChooseZoom(); });
    BindGameCommands();
    BindEditorCommands();
    BindOptionCommands();
    BindHelpCommands();
}

void CMainFrame::BindGameCommands() {
    const auto bindView = [this](int command, ViewCommand viewCommand) {
        commands_->SetHandler(command, [this, viewCommand] { view_->RunCommand(viewCommand); });
    };
    bindView(CommandId::Play, ViewCommand::Play);
    bindView(CommandId::Demo, ViewCommand::Demo);
    bindView(CommandId::Editor, ViewCommand::Editor);
    bindView(CommandId::Pause, ViewCommand::Pause);
    bindView(CommandId::Launch, ViewCommand::Launch);
}

void CMainFrame::BindEditorCommands() {
    using namespace CommandId;
    StageEditor& editor = view_->Editor();
    commands_->SetHandler(NextStage, [&editor] { editor.NextStage(); });
    commands_->SetHandler(PrevStage, [&editor] { editor.PrevStage(); });
    commands_->SetHandler(BonusBall, [&editor] { editor.BonusBall(); });
    commands_->SetHandler(AllClearMessage, [this, &editor] { editor.AllClearMessage(AskAllClearMessage, view_); });
    commands_->SetHandler(DeleteStage, [&editor] { editor.DeleteStage(); });
    commands_->SetHandler(EditUndo, [&editor] { editor.Undo(); });
    commands_->SetHandler(EditRedo, [&editor] { editor.Redo(); });
}

void CMainFrame::BindOptionCommands() {
    using namespace CommandId;
    for (int speed = 0; speed <= 3; ++speed)
        commands_->SetHandler(SpeedSlow + speed, [this, speed] { SetSpeed(speed); });
    commands_->SetHandler(SpeedDialog, [this] { RunSpeedCommand(view_->Session(), *settings_, this); });
    commands_->SetHandler(ControlDialog, [this] { RunControlCommand(view_->Session(), *settings_, this); });
    commands_->SetHandler(About, [this] { ShowAboutBox(this); });
    // The sound's commands do nothing until the sound is attached.
    commands_->SetHandler(MusicToggle, [this] {
        if (sound_ != nullptr) sound_->ToggleMusic();
    });
    commands_->SetHandler(EffectsToggle, [this] {
        if (sound_ != nullptr) sound_->ToggleEffects();
    });
    commands_->SetHandler(SoundDialog, [this] {
        if (sound_ != nullptr)
            RunSoundCommand(view_->Session(), *sound_, *settings_, devices_->WaveOutputCount() > 0, this);
    });
    // Before the sound is attached, whose music check may ask for it.
    devices_->SetMusicFilesDialog([this] { RunMusicFilesDialog(*settings_, this); });
}

void CMainFrame::BindHelpCommands() {
    using namespace CommandId;
    commands_->SetHandler(HelpContents, [this] { help_->ShowContents(); });
    commands_->SetHandler(HelpIndex, [this] { help_->ShowContents(); });
    commands_->SetHandler(HelpKeywordSearch, [this] { help_->ShowKeywordSearch(); });
    commands_->SetHandler(HelpUsing, [this] { help_->ShowHelpOnHelp(); });
    commands_->SetHandler(HelpCurrent, [this] { help_->ShowCurrentContext(); });
    commands_->SetHandler(ContextHelp, [this] { help_->EnterContextHelpMode(); });
}

// Context help reads each part's topic from it.
void CMainFrame::SetHelpTopics() {
    for (QAction* action : commands_->findChildren<QAction*>())
        action->setProperty(kHelpTopicProperty, HelpTopic::ForCommand(action->data().toInt()));
    const int indicators[] = {IndicatorId::Stage, IndicatorId::HighScore, IndicatorId::Score, IndicatorId::BallsLeft};
    for (int pane = 0; pane < GameStatusBar::PaneCount; ++pane)
        statusBar_->PaneLabel(static_cast<GameStatusBar::Pane>(pane))
            ->setProperty(kHelpTopicProperty, HelpTopic::ForIndicator(indicators[pane]));
    view_->setProperty(kHelpTopicProperty, HelpTopic::Playfield);
}

CommandContext CMainFrame::CurrentContext() const {
    CommandContext context = view_->CommandContextNow();
    context.toolbarVisible = !toolBar_->isHidden();
    context.statusBarVisible = !statusBar_->isHidden();
    context.smoothMotion = view_->SmoothMotionOn();
    return context;
}

void CMainFrame::AttachSound(SoundControl& sound) {
    sound_ = &sound;
    view_->Session().AttachSound(sound);
    sound.OnSwitchesChanged([this] { commands_->Refresh(); });
}

// Window size -------------------------------------------------------------

void CMainFrame::FitFrameToZoom(int level) {
    const int width = ViewUnitsToPixels(kViewWidthUnits, level);
    int height = ViewUnitsToPixels(kViewHeightUnits, level) + menuBar()->heightForWidth(width);
    if (!statusBar_->isHidden()) height += statusBar_->sizeHint().height();
    if (!toolBar_->isHidden()) height += toolBar_->sizeHint().height();
    // A fixed size: the user cannot resize the window, and its place stays.
    setFixedSize(width, height);
}

// A place stored on a screen that is gone, or written by hand, must not
// hide the window on every start: its title bar has to be within reach.
void CMainFrame::MoveToPlace(PixelPoint stored) {
    std::vector<Rect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QScreen*> all = QGuiApplication::screens();
    std::stable_partition(all.begin(), all.end(), [primary](const QScreen* screen) { return screen == primary; });
    for (const QScreen* screen : all) {
        const QRect area = screen->geometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const int width = ViewUnitsToPixels(kViewWidthUnits, view_->Zoom().zoom);
    const PixelPoint place = WindowPlaceOnScreens(stored, width, screens);
    move(place.x, place.y);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (sizedOnce == 0 && !isMinimized()) {
        FitFrameToZoom(settings_->ReadInt(kSection, kZoom, kDefaultZoom));
        sizedOnce = 1;
    }
}

void CMainFrame::ToggleBar(QWidget* bar) {
    bar->setHidden(!bar->isHidden());
    FitFrameToZoom(view_->Zoom().zoom);
}

void CMainFrame::SwitchSmoothMotion() {
    const bool on = !view_->SmoothMotionOn();
    view_->SetSmoothMotion(on);
    settings_->WriteInt(kSection, kSmooth, on ? 1 : 0);
}

void CMainFrame::ChooseZoom() {
    const std::optional<int> level = AskZoomLevel(view_->Zoom().zoom, PrimaryScreen{}.PrimaryScreenWidth(), this);
    if (!level) return;
    view_->ChangeZoom(*level);
    FitFrameToZoom(view_->Zoom().zoom);
}

void CMainFrame::SetSpeed(int speed) {
    view_->Session().SetSpeed(speed);
    SaveSpeedSetting(view_->Session(), *settings_);
}

// Closing -------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The document has agreed to close by now; the window keeps its place
    // and its bars for the next start.
    SaveFrameState();
    QMainWindow::closeEvent(event);
}

void CMainFrame::SaveFrameState() {
    if (!isMinimized()) {
        settings_->WriteInt(kSection, kLeft, x());
        settings_->WriteInt(kSection, kTop, y());
    }
    settings_->WriteString(kSection, kToolbar, toolBar_->isHidden() ? kOff : kOn);
    settings_->WriteString(kSection, kStatusBar, statusBar_->isHidden() ? kOff : kOn);
}

// Dropped files ---------------------------------------------------------------

// Drops on the view, the bars and the border all reach the window: the view
// takes none itself.
void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(*event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<DroppedFile> files = LocalFiles(*event->mimeData());
    event->acceptProposedAction();
    const DropChoice choice = ChooseDroppedFile(files);
    switch (choice.action) {
    case DropAction::RefuseSeveral: ShowMessageBox(this, kSeveralFilesDropped, MessageIcon::Exclamation); break;
    case DropAction::Open: documentCommands_->OpenDocumentFile(choice.path); break;
    case DropAction::Ignore: break;
    }
    commands_->Refresh();
}
