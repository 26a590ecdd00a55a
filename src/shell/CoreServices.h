#pragma once

// Connects the desktop program to the core's services that it reaches through replaceable hooks:
// the XML export (file and print text). Tests install their own fakes instead.
void InstallCoreServices();
