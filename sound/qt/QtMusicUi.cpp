#include "sound/qt/QtMusicUi.h"

#include <sys/stat.h>

#include <cerrno>

#include "shell/qt/QtText.h"
#include "sound/qt/CMusicNotFoundDlg.h"

bool QtMusicUi::FileIsMissing(const std::string& path) {
    // Only "no such file" and "no such directory" count; a file that cannot
    // be looked at for another reason is taken to be there.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return false;
    return errno == ENOENT || errno == ENOTDIR;
}

int QtMusicUi::AskMusicNotFound(const std::string& path, std::string_view sceneName) {
    CMusicNotFoundDlg dialog;
    dialog.m_strPath = ToQString(path);
    dialog.m_strScene = ToQString(sceneName);
    return dialog.exec();
}

void QtMusicUi::ShowMusicFilesDialog() {
    if (showMusicFiles_) showMusicFiles_();
}
