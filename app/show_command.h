// How the main window first shows itself.
#pragma once

// The show state asked for by whoever started the program: maximised and minimised are
// honoured, anything else shows the window normally.
int InitialShowCommand();
