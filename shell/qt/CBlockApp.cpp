// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CBlockApp.h"

#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>

#include "base/AppPaths.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "base/qt/COptionDlg.h"
#include "base/qt/QtText.h"
#include "engine/qt/CBlockView.h"
#include "shell/HelpTopics.h"
#include "shell/Startup.h"
#include "shell/qt/CMainFrame.h"
#include "shell/qt/ForcedEndGuard.h"
#include "shell/qt/QtHelpService.h"
#include "shell/qt/SignalCloseBridge.h"
#include "shell/qt/UserSettingsStore.h"
#include "sound/SoundControl.h"
#include "sound/qt/SoundDevices.h"
#include "stages/qt/QtDocumentUi.h"

namespace {
constexpr const char* kCompanyName = "Vantrosk";

std::vector<std::string> ToStrings(const QStringList& list) {
    std::vector<std::string> strings;
    strings.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& item : list) strings.push_back(item.toStdString());
    return strings;
}
}  // namespace

CBlockApp::CBlockApp() : CBlockApp(Environment{}) {}

CBlockApp::CBlockApp(Environment environment) : environment_(std::move(environment)) {}

CBlockApp::~CBlockApp() {
    // The music stops while its game is still there, and the devices outlast both.
    if (sound_ != nullptr) sound_->CloseMusicForGood();
    window_.reset();
    sound_.reset();
    soundDevices_.reset();
    COptionDlg::SetHelpService(nullptr);
}

bool CBlockApp::InitInstance() {
    signals_ = std::make_unique<SignalCloseBridge>();
    connect(signals_.get(), &SignalCloseBridge::closeRequested, this, &CBlockApp::EndOnSignal);
    QCoreApplication::setApplicationName(ToQString(LoadString(StringId::ProgramTitle)));
    QCoreApplication::setOrganizationName(QString::fromUtf8(kCompanyName));
    OpenSettingsStore();
    // What the start-up writes, the defaults of a first start above all,
    // reaches the file in one go once the window is up.
    settings_->HoldWrites();
    const bool shown = ShowFirstWindow();
    settings_->StoreHeldWrites();
    if (!shown) return false;
    forcedEnd_ = std::make_unique<ForcedEndGuard>(doc_, commands_, *window_, *ui_,
                                                  ForcedEndGuard::Places{environment_.recoveryFolder, {}});
    forcedEnd_->ReportRecoveryCopies();
    return !endRequested_;
}

bool CBlockApp::ShowFirstWindow() {
    const QString programPath = environment_.programPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                                   : environment_.programPath;
    programDir_ = ProgramDirOf(programPath.toStdString());

    const QStringList arguments = environment_.arguments.isEmpty() ? QCoreApplication::arguments()
                                                                   : environment_.arguments;
    const std::string path = ChooseStartupFile(CommandLinePath(ToStrings(arguments)), *settings_, programDir_);

    CreateMainWindow();
    if (endRequested_ || !OpenFirstStageSet(commands_, path) || endRequested_) return false;
    window_->show();
    return true;
}

void CBlockApp::EndOnSignal() {
    endRequested_ = true;
    if (forcedEnd_ != nullptr) {
        forcedEnd_->CloseWithoutQuestions();
        return;
    }
    // No set has been shown yet, so there is nothing to keep: the box that
    // is open ends, and the start-up with it.
    QCoreApplication::exit(0);
}

void CBlockApp::OpenSettingsStore() {
    settings_ = environment_.settings;
    if (settings_ != nullptr) return;
    ownSettings_ = OpenUserSettingsStore();
    settings_ = ownSettings_.get();
}

void CBlockApp::CreateMainWindow() {
    help_ = std::make_unique<QtHelpService>(QString::fromStdString(programDir_ + kHelpFileName));
    COptionDlg::SetHelpService(help_.get());
    soundDevices_ = std::make_unique<SoundDevices>();
    window_ = std::make_unique<CMainFrame>(doc_, commands_, *settings_, *help_, *soundDevices_);
    window_->installEventFilter(this);
    // The view has read its game settings; the effect files come after them,
    // then the music files are checked, before the window is shown.
    effects_.Load(*settings_, programDir_);
    sound_ = std::make_unique<SoundControl>(window_->View()->Session(), *settings_);
    sound_->Attach(soundDevices_->ServicesFor(effects_, programDir_));
    window_->AttachSound(*sound_);
    soundDevices_->PreloadEffectsLater(effects_);
    sound_->CheckMusicFiles();

    ui_ = environment_.ui;
    if (ui_ == nullptr) {
        ownUi_ = std::make_unique<QtDocumentUi>(window_.get());
        ui_ = ownUi_.get();
    }
    doc_.AttachServices({&files_, ui_, settings_});
}

bool CBlockApp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::Close && !commands_.CanCloseFrame()) {
        event->ignore();
        return true;  // the user chose to keep the set open
    }
    return QObject::eventFilter(watched, event);
}
