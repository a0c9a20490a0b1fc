// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/CMusicFilesDlg.h"

#include <QFileDialog>
#include <QLineEdit>

#include "base/CommandIds.h"
#include "base/FormatString.h"
#include "base/StringTable.h"
#include "base/qt/DialogControls.h"
#include "base/qt/FileDialogLook.h"
#include "base/qt/MessageBox.h"
#include "base/qt/QtText.h"
#include "sound/MusicFilesStore.h"
#include "sound/qt/MissingFile.h"
#include "ui_116.h"

namespace {
// The edit box and the browse button of each scene, in MusicScene order.
constexpr int kEdits[kMusicSceneCount] = {150, 152, 154};
constexpr int kBrowseButtons[kMusicSceneCount] = {151, 153, 155};
constexpr const char* kDefaultSuffix = "MID";

// The file types of a string such as "Description|*.ext||" as Qt writes
// them. A description that already ends with its pattern in brackets is
// shown as it is; Qt matches the pattern without regard to case.
QStringList NameFilters(std::string_view filterText) {
    const QStringList parts = ToQString(filterText).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty()) break;
        const QString bracketed = QLatin1Char('(') + pattern + QLatin1Char(')');
        filters << (description.endsWith(bracketed, Qt::CaseInsensitive) ? description
                                                                          : description + QLatin1Char(' ') + bracketed);
    }
    return filters;
}

std::optional<QString> ChooseMidiFile(QWidget* owner, const QString& title) {
    QFileDialog dialog(owner, title);
    FinishFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(LoadString(StringId::MidiFilter)));
    dialog.setDefaultSuffix(QString::fromLatin1(kDefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
}  // namespace

CMusicFilesDlg::CMusicFilesDlg(SettingsStore& settings, QWidget* parent)
    : COptionDlg(DialogId::MusicFiles, parent), chooseFile(ChooseMidiFile), settings_(settings) {
    Ui::CMusicFilesDlg().setupUi(this);
    ConnectButtons();
    for (int slot = 0; slot < kMusicSceneCount; ++slot) {
        m_strMidi[slot] = ToQString(ProgramMusicPaths()[slot]);
        connect(DialogControl(*this, kBrowseButtons[slot]), &QAbstractButton::clicked, this,
                [this, slot] { Browse(static_cast<MusicScene>(slot)); });
    }
}

void CMusicFilesDlg::LoadControls() {
    for (int slot = 0; slot < kMusicSceneCount; ++slot)
        DialogControl<QLineEdit>(*this, kEdits[slot])->setText(m_strMidi[slot]);
}

void CMusicFilesDlg::ReadEdits() {
    for (int slot = 0; slot < kMusicSceneCount; ++slot)
        m_strMidi[slot] = DialogControl<QLineEdit>(*this, kEdits[slot])->text();
}

void CMusicFilesDlg::Browse(MusicScene scene) {
    // What was typed in the other boxes survives the browsing.
    ReadEdits();
    const int slot = static_cast<int>(scene);
    const QString title = ToQString(LoadString(StringId::FirstMusicName + slot));
    if (const auto chosen = chooseFile(this, title)) m_strMidi[slot] = *chosen;
    LoadControls();
}

bool CMusicFilesDlg::SaveControls() {
    ReadEdits();
    MusicFileTexts texts;
    for (int slot = 0; slot < kMusicSceneCount; ++slot) texts[slot] = m_strMidi[slot].toStdString();
    const auto reportInvalid = [this](const std::string& path) {
        ShowMessageBox(this, FormatString1(LoadString(StringId::InvalidPath), path), MessageIcon::Exclamation);
    };
    return StoreMusicFiles(texts, ProgramMusicPaths(), settings_, FileIsMissing, reportInvalid);
}
