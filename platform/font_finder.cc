#include "platform/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

const FcChar8* Utf8(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

// One fontconfig match for the families in order at `fc_weight`.
bool Match(FcConfig* config, const std::string& family, bool monospace_fallback, int fc_weight,
           FontChoice* out) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return false;
  if (!family.empty()) FcPatternAddString(pattern, FC_FAMILY, Utf8(family));
  if (monospace_fallback) FcPatternAddString(pattern, FC_FAMILY, Utf8("monospace"));
  FcPatternAddInteger(pattern, FC_WEIGHT, fc_weight);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (!found) return false;
  FcChar8* file = nullptr;
  FcChar8* name = nullptr;
  int index = 0, spacing = FC_PROPORTIONAL, weight = FC_WEIGHT_REGULAR;
  const bool ok = FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch;
  if (ok) {
    out->path = reinterpret_cast<const char*>(file);
    if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch)
      out->family = reinterpret_cast<const char*>(name);
    if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch) out->index = index;
    FcPatternGetInteger(found, FC_SPACING, 0, &spacing);
    out->fixed_width = spacing == FC_MONO || spacing == FC_CHARCELL;
    if (FcPatternGetInteger(found, FC_WEIGHT, 0, &weight) == FcResultMatch)
      out->weight = FcWeightToOpenType(weight);
  }
  FcPatternDestroy(found);
  return ok;
}

}  // namespace

bool FindConsoleFont(std::string_view face, int weight, FontChoice* out, std::string* error) {
  if (!FcInit()) {
    *error = "fontconfig could not start";
    return false;
  }
  FcConfig* config = FcConfigGetCurrent();
  const int fc_weight = FcWeightFromOpenType(weight <= 0 ? 400 : std::min(weight, 1000));
  const std::string family = Cp1252ToUtf8(face);
  FontChoice choice;
  if (Match(config, family, true, fc_weight, &choice) && choice.fixed_width) {
    *out = choice;
    return true;
  }
  // The face exists but is proportional: the system's monospace font instead.
  if (Match(config, "", true, fc_weight, &choice) && choice.fixed_width) {
    *out = choice;
    return true;
  }
  *error = "no fixed-width font is installed (fonts-dejavu-core provides one)";
  return false;
}

}  // namespace pavodin
