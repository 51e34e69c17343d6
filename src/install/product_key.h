// The product's registry key, HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA\CorpusView: the installation
// record and the newest program version that has run on this computer.
#pragma once

constexpr const char* kProductKey = "SOFTWARE\\ORBANA\\CorpusView";
