// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/CSoundEventsDlg.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include "base/AppPaths.h"
#include "base/CommandIds.h"
#include "base/StringTable.h"
#include "base/qt/DialogControls.h"
#include "base/qt/QtText.h"
#include "sound/qt/DirectoryItems.h"
#include "ui_156.h"

namespace {
constexpr int kEventList = 346;
constexpr int kFileList = 347;
constexpr int kDirectoryLabel = 348;
constexpr int kTestButton = 344;

// The directory as the label shows it: without its closing separator,
// except for the root itself.
QString DirectoryCaption(const std::string& directory) {
    std::string_view shown = directory;
    if (shown.size() > 1 && shown.back() == kPathSeparator) shown.remove_suffix(1);
    return ToQString(shown);
}

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }
}  // namespace

CSoundEventsDlg::CSoundEventsDlg(std::function<void(const std::string&)> play, QWidget* parent)
    : COptionDlg(DialogId::SoundEvents, parent), play_(std::move(play)) {
    Ui::CSoundEventsDlg().setupUi(this);
    ConnectButtons();
    connect(&EventList(), &QListWidget::currentRowChanged, this, &CSoundEventsDlg::OnEventChanged);
    connect(&EventList(), &QListWidget::itemDoubleClicked, this, &CSoundEventsDlg::PlaySelection);
    connect(&FileList(), &QListWidget::itemSelectionChanged, this, &CSoundEventsDlg::OnFileSelectionChanged);
    connect(&FileList(), &QListWidget::itemDoubleClicked, this, &CSoundEventsDlg::OnFileDoubleClicked);
    connect(DialogControl(*this, kTestButton), &QAbstractButton::clicked, this, &CSoundEventsDlg::PlaySelection);
}

QListWidget& CSoundEventsDlg::EventList() const { return *DialogControl<QListWidget>(*this, kEventList); }

QListWidget& CSoundEventsDlg::FileList() const { return *DialogControl<QListWidget>(*this, kFileList); }

void CSoundEventsDlg::LoadControls() {
    QListWidget& events = EventList();
    filling_ = true;
    events.setUpdatesEnabled(false);
    events.clear();
    for (int slot = 0; slot < kSoundEventCount; ++slot)
        events.addItem(ToQString(LoadString(StringId::FirstEffectName + slot)));
    events.setUpdatesEnabled(true);
    events.setCurrentRow(0);
    filling_ = false;
    m_nEvent = 0;
    Refresh();
}

bool CSoundEventsDlg::SaveControls() {
    Commit();
    return true;
}

void CSoundEventsDlg::Refresh() {
    std::string& path = m_szWave[m_nEvent];
    std::string fileName = path;
    // A directory that cannot be read leaves the list where it was.
    const std::string previousDir = m_szDir;
    if (!path.empty()) {
        // A path without a directory part is looked for where the list stands.
        if (auto name = FileNameOf(path)) {
            m_szDir = DirectoryOf(path);
            fileName = std::move(*name);
        }
    }
    if (!ListDirectory()) {
        m_szDir = previousDir;
        ListDirectory();
    }

    filling_ = true;
    if (!path.empty()) {
        if (const auto entry = EntryStartingWith(listing_, fileName)) FileList().setCurrentRow(*entry);
        if (!FileExists(path)) path.clear();
    }
    if (path.empty()) {
        if (const auto none = EntryStartingWith(listing_, kNoSoundEntry)) FileList().setCurrentRow(*none);
    }
    filling_ = false;
    DialogControl(*this, kTestButton)->setEnabled(!path.empty());
}

bool CSoundEventsDlg::ListDirectory() {
    const auto items = ReadDirectoryItems(m_szDir);
    if (!items) return false;
    listing_ = BuildListing(*items, m_szDir == std::string(1, kPathSeparator));

    QListWidget& files = FileList();
    filling_ = true;
    files.setUpdatesEnabled(false);
    files.clear();
    for (const ListingEntry& entry : listing_) files.addItem(ToQString(entry.shown));
    files.setUpdatesEnabled(true);
    filling_ = false;

    ShowDirectory();
    // The file-open dialogs start where the user last looked.
    QDir::setCurrent(QString::fromStdString(m_szDir));
    return true;
}

// A long path is shortened in its middle to fit under the list; the tip
// holds it whole.
void CSoundEventsDlg::ShowDirectory() {
    auto* label = DialogControl<QLabel>(*this, kDirectoryLabel);
    const QString caption = DirectoryCaption(m_szDir);
    const int width = std::max(FileList().minimumWidth(), FileList().width());
    label->setText(label->fontMetrics().elidedText(caption, Qt::ElideMiddle, width));
    label->setToolTip(caption);
}

std::optional<std::string> CSoundEventsDlg::Selection() const {
    const QList<QListWidgetItem*> selected = FileList().selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    const int row = FileList().row(selected.constFirst());
    if (row < 0 || row >= static_cast<int>(listing_.size())) return std::nullopt;
    return listing_[row].selection;
}

bool CSoundEventsDlg::FileSelected() const {
    const auto selection = Selection();
    return selection && SelectionIsFile(*selection);
}

void CSoundEventsDlg::Commit() {
    // After a relisting nothing is selected: the event keeps its file.
    if (const auto selection = Selection()) m_szWave[m_nEvent] = PathForSelection(m_szDir, *selection);
}

void CSoundEventsDlg::PlaySelection() {
    if (FileSelected() && play_) play_(m_szDir + *Selection());
}

void CSoundEventsDlg::OnEventChanged(int row) {
    if (filling_ || row < 0 || row >= kSoundEventCount) return;
    Commit();
    m_nEvent = row;
    Refresh();
}

void CSoundEventsDlg::OnFileSelectionChanged() {
    if (filling_) return;
    DialogControl(*this, kTestButton)->setEnabled(FileSelected());
}

void CSoundEventsDlg::OnFileDoubleClicked() {
    const auto selection = Selection();
    if (!selection) return;
    if (SelectionIsFile(*selection)) return PlaySelection();
    if (selection->empty() || selection->back() != kPathSeparator) return;  // "<なし>"

    const std::string previousDir = m_szDir;
    m_szDir = DirectoryAfterOpening(m_szDir, *selection);
    if (!ListDirectory()) m_szDir = previousDir;
    FileList().clearSelection();
    DialogControl(*this, kTestButton)->setEnabled(false);
}
