// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program asks of its help viewer. Topics are numbered: a dialog's
// topic is kHelpTopicBase + its resource identifier (base/CommandIds.h).
class HelpService {
public:
    virtual ~HelpService() = default;

    virtual void ShowContents() = 0;
    // The keyword index, with its search field ready for typing.
    virtual void ShowKeywordSearch() = 0;
    // How to use the viewer itself.
    virtual void ShowHelpOnHelp() = 0;
    virtual void ShowTopic(int topic) = 0;
};
