#pragma once

#include <QString>

namespace bmd::shell {

class HelpWindow;

// The three requests the game makes of its help viewer.
enum class HelpCommand {
    DisplayTopic, // show the given topic
    DisplayToc,   // show the given topic with the table of contents
    DisplayIndex, // show the index, no keyword filled in
};

// Shows the help window (created on the first call, reused afterwards) and
// hands it the command. Never fails: without a help file the window says so.
void HtmlHelp(HelpCommand command, const QString& topic = {});

// The help window, made for the program in programFolder (its help lies
// beside it or in its installed data folder) if there is none yet; hidden
// until help is asked for.
HelpWindow& HelpWindowFor(const QString& programFolder);

// The help window once help was asked for; nullptr before.
HelpWindow* TheHelpWindow();

// Closes and destroys the help window, so that the next request starts afresh.
void DestroyHelpWindow();

} // namespace bmd::shell
