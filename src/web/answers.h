#pragma once

// The engine's answers as JSON, made from what the library finds; their
// shapes are declared for callers in web/vornak.d.ts. Text from banks and
// from the library is bytes, given by the text rule (text_rule.h): names
// are shown as the listing shows them (control bytes as "?").

#include <vector>

#include "library/compose.h"
#include "library/conversions.h"
#include "library/disk.h"
#include "library/failures.h"
#include "library/loader.h"
#include "model/ppg_bank.h"
#include "web/requests.h"

namespace vornak::web {

// What loading gave: ok, exitCode, reason, message, explanation, format,
// holdsNames, notes.
Json outcomeAnswer(const LoadOutcome& outcome);

// A bank that loaded, as describe answers it: how far it can be trusted,
// the facts of its programs, the values asked for and the conversion
// reports.
void putBank(Json& answer, const PpgBank& bank, const LoadOutcome& outcome, const DescribeRequest& asked);

// What a careful user should know about a file: [{code, text}].
Json notesAnswer(const std::vector<LoadNote>& notes);

// A conversion report; for a compose or a convert, with the values set that
// were rounded, each by its slot (compose) or program (convert): `key`.
Json reportAnswer(const ConversionReport& report, const std::vector<RoundedValue>* rounded = nullptr,
                  const char* key = "slot");

// What a disk image holds, as the tool lists it: the disk, and each file
// on it with the number of bytes it leaves at vornak_bytes() (those of
// every readable file, in directory order); or why it cannot be read.
Json diskAnswer(const DiskReport& report);

// A failure in the library's words (bytes), given by the text rule.
FailureAnswer inText(FailureAnswer failure);

// The answer of a call that writes a file, when nothing is written: ok
// false, the exit code, reason and message (UTF-8), the explanation when
// `explained`, and size 0.
Json nothingWritten(const FailureAnswer& failure, bool explained);

// The output formats, and the engine's limits and defaults, as data.
Json formatsAnswer();
Json limitsAnswer();

} // namespace vornak::web
