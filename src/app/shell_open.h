#pragma once
// The user's guide and web pages, opened by the programs the system has for them.

#include <string>
#include <string_view>

inline constexpr std::string_view kUsersGuideFile = "VQRN User's Guide.pdf";
inline constexpr std::string_view kPdfReaderDownloadPage = "https://get.adobe.com/reader/";

// The guide's place beside the program.
std::string UsersGuidePath();
bool UsersGuideExists();
// True when the guide opened; without a PDF viewer offers the reader's download page.
bool OpenUsersGuide();

// An address without a scheme is taken as an http one.
void OpenWebPage(std::string_view address);
