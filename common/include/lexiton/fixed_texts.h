// The fixed diagnostic texts of this system, in one table. Message boxes, error documents and
// VxException reports show them word for word, and users quote them in their reports, so they
// keep their exact wording, spelling ("occured") and trailing blanks included. The file names
// and line numbers of the report places are part of those texts: they name places in the
// system's original design, not places in this code, and do not follow its edits.
#pragma once

#include <string_view>

namespace lexiton::fixed_texts {

// Where a VxException report says it was raised, and what it says.
struct ReportPlace {
  std::string_view file;
  int line;
  std::string_view details;
};

// The pipe format's syntax errors, one per value kind.
inline constexpr ReportPlace kPipeNoBoolean{".\\PipeFormat.cpp", 129, "Invalid syntax: no boolean found!"};
inline constexpr ReportPlace kPipeNoBooleanVector{".\\PipeFormat.cpp", 148,
                                                  "Invalid syntax: no boolean vector found!"};
inline constexpr ReportPlace kPipeNoInteger{".\\PipeFormat.cpp", 159, "Invalid syntax: no integer found!"};
inline constexpr ReportPlace kPipeNoUnsigned{".\\PipeFormat.cpp", 170,
                                             "Invalid syntax: no unsigned integer found!"};
inline constexpr ReportPlace kPipeNoUnsignedVector{".\\PipeFormat.cpp", 189,
                                                   "Invalid syntax: no unsigned integer vector found!"};
inline constexpr ReportPlace kPipeNoString{".\\PipeFormat.cpp", 200, "Invalid syntax: no string found!"};
inline constexpr ReportPlace kPipeNoStringVector{".\\PipeFormat.cpp", 219,
                                                 "Invalid syntax: no string vector found!"};

// The HTTP transport: no libcurl handle, and an option libcurl refused.
inline constexpr ReportPlace kTransportNoHandle{".\\URLDownload.cpp", 106, "Couldn't initialize cUrl"};
inline constexpr ReportPlace kTransportOptionRefused{".\\URLDownload.cpp", 118, "Couldn't set cUrl option"};

// The server connection's texts for failures that carry no result code.
inline constexpr std::string_view kSessionSetupFailed = "Error at initialisation!";
inline constexpr std::string_view kUnknownHttpException = "Unknown exception in HTTP Query! ";

// The look-up pipeline's texts for an exception that ends a look-up, and the box shown when
// the look-up entry itself fails.
inline constexpr std::string_view kProcessException = "Exception in KvoLexiton::process\n";
inline constexpr std::string_view kProcessUnknownException = "Unknown exception in KvoLexiton::process";
inline constexpr std::string_view kLookupEntryException = "Unknown exception occured in Korvell dictcore.dll";
inline constexpr std::string_view kLookupEntryExceptionCaption = "Exception";
// The boxes for a style-sheet or XML failure while laying out a result (printf formats).
inline constexpr char kLayoutExceptionFormat[] = "[%d (line:%d)]";
inline constexpr std::string_view kLayoutExceptionCaption = "Layout exception";
inline constexpr char kXmlExceptionFormat[] = "Exception occured converting xml to rtf (%s)";
inline constexpr std::string_view kXmlExceptionCaption = "Xml exception";

// The host's start-up texts that come before (or without) its language library, and the
// caption of the shared block's failures.
inline constexpr std::string_view kHostCaption = "Lexiton";
inline constexpr std::string_view kIniOpenFailedPrefix = "Can't open .ini file! (";
inline constexpr std::string_view kLanguageLoadFailedPrefix = "Can't load language resource (uires";
inline constexpr std::string_view kEventSubscriberCaption = "Event Subscriber";

// The texts of the named objects' exceptions.
inline constexpr std::string_view kSharedMemoryCreation = "shared memory creation failed";
inline constexpr std::string_view kSharedMemoryOpen = "shared memory open failed";
inline constexpr std::string_view kSharedMemoryMapView = "map view of shared memory failed";
inline constexpr std::string_view kMutexCreation = "mutex creation failed";
inline constexpr std::string_view kMutexTimeOut = "mutex time out";
inline constexpr std::string_view kBadAllocation = "bad allocation";

// The names the component-failed message gives the parts that failed while binding the
// libraries.
inline constexpr std::string_view kNameTipPaint = "TipPaint";
inline constexpr std::string_view kNameLookupRIFFW = "LookupRIFFW";
inline constexpr std::string_view kNameLookupInit = "LookupInit";
inline constexpr std::string_view kNameTextReader = "GetMS";
inline constexpr std::string_view kNameClientEntries = "Korvell";
inline constexpr std::string_view kNameKVInit = "KVInit";

}  // namespace lexiton::fixed_texts
