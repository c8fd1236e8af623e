#pragma once
// The skin check: what is wrong with a skin before it ships. A walk over the document that returns
// findings (a picture named but not held, a slice outside its picture, an owner that does not exist, two
// objects sharing an ID or a name, unused pictures…), each with its severity, the object and the row it
// concerns and a message a skin author understands. The designer's Problems pane and `vornadesk-cli check`
// both show these findings.

#include <functional>
#include <string>
#include <vector>

class CSkinDocument;

enum class CheckSeverity { Error, Warning, Note };

struct CheckFinding {
    CheckSeverity severity = CheckSeverity::Error;
    std::string code;     // a stable identifier of the kind of fault ("missing-picture"), for scripts
    std::string section;  // the kind's section name ("Frames"); "Pictures" for a picture
    int id = 0;           // the object's ID (a picture's too); 0 when the finding is about the skin as a whole
    std::string name;     // the object's name, or the picture's file name
    std::string key;      // the row (the record's key, "ActiveTop") the finding concerns; empty for the object
    std::string message;  // "picture 'x.png' is not in the skin"
    friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

struct CheckOptions {
    // Whether this machine can show a font face; faces it cannot are warned about. Unset: not checked.
    std::function<bool(const std::string& face)> fontAvailable;
};

// Every finding of doc, errors first, then warnings, then notes; within a severity in the order of the
// objects in the document and of the rows in each record.
std::vector<CheckFinding> CheckSkin(const CSkinDocument& doc, const CheckOptions& options = {});

// "error", "warning", "note".
const char* SeverityName(CheckSeverity severity);

// One line: "error: Frames/Amberline ActiveTop: picture 'x.png' is not in the skin".
std::string FormatFinding(const CheckFinding& finding);
