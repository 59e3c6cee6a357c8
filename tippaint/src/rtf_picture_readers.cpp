// Pictures and embedded objects: Windows and enhanced metafiles become picture items; every
// other picture kind is read and dropped, and an object shows the picture of its result.
#include <lexiton/ascii.h>
#include "rtf_destinations.h"

namespace tippaint::rtf {

void PictureReader::on_text(std::uint8_t byte, GroupState&) {
  const int digit = lexiton::ascii::hexDigit(byte);
  if (digit < 0) return;
  if (!picture_.have_half_byte) {
    picture_.half_byte = static_cast<std::uint8_t>(digit);
    picture_.have_half_byte = true;
    return;
  }
  picture_.item.data.push_back(static_cast<std::uint8_t>(picture_.half_byte * 16 + digit));
  picture_.have_half_byte = false;
}

void PictureReader::on_binary(std::uint8_t byte, GroupState&) { picture_.item.data.push_back(byte); }

bool PictureReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                            GroupState&) {
  PictureBuilder& p = picture_;
  struct Kind {
    const char* name;
    std::int32_t kind;
  };
  static constexpr Kind kPlainKinds[] = {{"pngblip", PictureBuilder::kPng},
                                         {"pegblip", PictureBuilder::kJpeg},
                                         {"macpict", PictureBuilder::kMac}};
  if (name == "wmetafile") {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.kind = PictureBuilder::kWmf;
    p.item.mapping_mode = static_cast<std::int16_t>(parameter);
    p.item.is_enhanced = false;
    p.item.data.clear();
    return true;
  }
  if (name == "emfblip") {
    check_parameter(ParameterRule::kNone, has_parameter);
    p.kind = PictureBuilder::kEmf;
    p.item.is_enhanced = true;
    p.item.data.clear();
    return true;
  }
  for (const Kind& kind : kPlainKinds) {
    if (name == kind.name) {
      check_parameter(ParameterRule::kNone, has_parameter);
      p.kind = kind.kind;
      return true;
    }
  }
  if (name == "pmmetafile") {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.kind = PictureBuilder::kOs2;
    p.item.mapping_mode = static_cast<std::int16_t>(parameter);
    return true;
  }
  if (name == "dibitmap" || name == "wbitmap") {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.kind = name == "dibitmap" ? PictureBuilder::kDib : PictureBuilder::kDdb;
    return true;
  }
  std::int32_t PictureItem::*size = nullptr;
  if (name == "picw")
    size = &PictureItem::pic_width;
  else if (name == "pich")
    size = &PictureItem::pic_height;
  else if (name == "picwgoal")
    size = &PictureItem::goal_width;
  else if (name == "pichgoal")
    size = &PictureItem::goal_height;
  if (size != nullptr) {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.item.*size = parameter;
    return true;
  }
  std::int16_t PictureItem::*value = nullptr;
  if (name == "picscalex")
    value = &PictureItem::scale_x;
  else if (name == "picscaley")
    value = &PictureItem::scale_y;
  else if (name == "piccropl")
    value = &PictureItem::crop_left;
  else if (name == "piccropr")
    value = &PictureItem::crop_right;
  else if (name == "piccropt")
    value = &PictureItem::crop_top;
  else if (name == "piccropb")
    value = &PictureItem::crop_bottom;
  if (value != nullptr) {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.item.*value = static_cast<std::int16_t>(parameter);
    return true;
  }
  return false;
}

void PictureReader::on_finished(const GroupState&) {
  const PictureBuilder& p = picture_;
  if (p.kind != PictureBuilder::kWmf && p.kind != PictureBuilder::kEmf) return;
  document_.add_picture(p.item);
}

bool ObjectReader::on_word(const std::string& name, bool has_parameter, std::int32_t, GroupState& state) {
  if (name == "objdata") {
    check_parameter(ParameterRule::kNone, has_parameter);
    state.destination = &skip_reader_;
    return true;
  }
  if (name == "result") {
    check_parameter(ParameterRule::kNone, has_parameter);
    return true;
  }
  if (name == "pict") {
    check_parameter(ParameterRule::kNone, has_parameter);
    picture_.reset();
    state.destination = &picture_reader_;
    return true;
  }
  return false;
}

}  // namespace tippaint::rtf
