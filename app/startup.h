#pragma once
// Starts the program with its windows: the application object, the program state, the main
// window (which creates the drawing window and the result sheet), then the event loop.
int fensterStarten(int& argc, char** argv);
