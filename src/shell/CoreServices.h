#pragma once

// Connects the desktop program to the core's services that it reaches through replaceable hooks:
// the XML export (file and print text) and the rules of the whole-declaration check. Tests install
// their own fakes instead, or call this to run the real ones.
void InstallCoreServices();
