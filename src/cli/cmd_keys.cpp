// keys: every key name the JSON form and record.ini take.
#include "cli/command.h"
#include "profile/key_words.h"

namespace quorvel::cli {

ExitCode runKeys(const Context& context) {
    context.out << keyNamesText();
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
