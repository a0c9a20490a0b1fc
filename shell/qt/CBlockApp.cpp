#include "shell/qt/CBlockApp.h"

#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>

#include "shell/AppPaths.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"
#include "shell/StringTable.h"
#include "shell/qt/QtText.h"
#include "shell/qt/PlayWindow.h"
#include "shell/qt/QtSettingsStore.h"
#include "shell/qt/SessionEndGuard.h"
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

CBlockApp::~CBlockApp() = default;

bool CBlockApp::InitInstance() {
    QCoreApplication::setApplicationName(ToQString(LoadString(StringId::ProgramTitle)));
    QCoreApplication::setOrganizationName(QString::fromUtf8(kCompanyName));
    OpenSettingsStore();

    const QString programPath = environment_.programPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                                   : environment_.programPath;
    programDir_ = ProgramDirOf(programPath.toStdString());

    const QStringList arguments = environment_.arguments.isEmpty() ? QCoreApplication::arguments()
                                                                   : environment_.arguments;
    const std::string path = ChooseStartupFile(CommandLinePath(ToStrings(arguments)), *settings_, programDir_);

    CreateMainWindow();
    if (!OpenFirstStageSet(commands_, path)) return false;
    window_->show();
    sessionEnd_ = std::make_unique<SessionEndGuard>(doc_, commands_, *window_, *ui_);
    sessionEnd_->ReportRecoveryCopies();
    return true;
}

void CBlockApp::OpenSettingsStore() {
    settings_ = environment_.settings;
    if (settings_ != nullptr) return;
    ownSettings_ = std::make_unique<QtSettingsStore>();
    settings_ = ownSettings_.get();
}

void CBlockApp::CreateMainWindow() {
    window_ = std::make_unique<PlayWindow>(doc_, *settings_);
    window_->installEventFilter(this);
    // The view has read its game settings; the effect files come after them.
    effects_.Load(*settings_, programDir_);

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
