#pragma once

// The icon of a modal message box: every room shows its failures in one.
enum class MessageIcon { Information, Exclamation, Stop };
