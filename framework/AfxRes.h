// Command ids the framework gives meaning to.
#pragma once

#define ID_HELP 0xE146 // 57670: help for the active window
