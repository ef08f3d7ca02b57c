// The text metadata as JSON for pelmora-cli: keys are the file's own element and attribute names.
#pragma once

#include "text/metadata.h"

#include <nlohmann/json.hpp>

#include <string>

namespace pelmora::cli {

// The metadata as an object in the order of the information dialog; every value is a string.
nlohmann::ordered_json metadataToJson(const TextMetadata& metadata);

// Lays the values of a JSON object over the metadata: keys that are missing keep their value,
// "osalejad" replaces the whole speaker list. Unknown keys, values that are not strings and
// choices outside the dialog's lists (unless they are the value already stored) are refused:
// false with the reason in `error`, and the metadata is then unspecified.
bool applyMetadataJson(const nlohmann::json& json, TextMetadata& metadata, std::string& error);

}  // namespace pelmora::cli
