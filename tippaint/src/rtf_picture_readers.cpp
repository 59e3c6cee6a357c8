// Pictures and embedded objects: Windows and enhanced metafiles become picture items; every
// other picture kind is read and dropped, and an object shows the picture of its result.
#include "rtf_destinations.h"

namespace tippaint::rtf {
namespace {

int hex_value(std::uint8_t byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

}  // namespace

void PictureReader::on_text(std::uint8_t byte, GroupState&) {
  const int digit = hex_value(byte);
  if (digit < 0) return;
  if (!picture_.have_half_byte) {
    picture_.half_byte = static_cast<std::uint8_t>(digit);
    picture_.have_half_byte = true;
    return;
  }
  picture_.data.push_back(static_cast<std::uint8_t>(picture_.half_byte * 16 + digit));
  picture_.have_half_byte = false;
}

void PictureReader::on_binary(std::uint8_t byte, GroupState&) { picture_.data.push_back(byte); }

bool PictureReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                            GroupState&) {
  PictureBuilder& p = picture_;
  struct Kind { const char* name; std::int32_t kind; };
  static constexpr Kind kPlainKinds[] = {{"pngblip", PictureBuilder::kPng},
                                         {"pegblip", PictureBuilder::kJpeg},
                                         {"macpict", PictureBuilder::kMac}};
  if (name == "wmetafile") {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.kind = PictureBuilder::kWmf;
    p.mapping_mode = static_cast<std::int16_t>(parameter);
    p.is_enhanced = false;
    p.data.clear();
    return true;
  }
  if (name == "emfblip") {
    check_parameter(ParameterRule::kNone, has_parameter);
    p.kind = PictureBuilder::kEmf;
    p.is_enhanced = true;
    p.data.clear();
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
    p.mapping_mode = static_cast<std::int16_t>(parameter);
    return true;
  }
  if (name == "dibitmap" || name == "wbitmap") {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.kind = name == "dibitmap" ? PictureBuilder::kDib : PictureBuilder::kDdb;
    return true;
  }
  std::int32_t PictureBuilder::*size = nullptr;
  if (name == "picw") size = &PictureBuilder::pic_width;
  else if (name == "pich") size = &PictureBuilder::pic_height;
  else if (name == "picwgoal") size = &PictureBuilder::goal_width;
  else if (name == "pichgoal") size = &PictureBuilder::goal_height;
  if (size != nullptr) {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.*size = parameter;
    return true;
  }
  std::int16_t PictureBuilder::*value = nullptr;
  if (name == "picscalex") value = &PictureBuilder::scale_x;
  else if (name == "picscaley") value = &PictureBuilder::scale_y;
  else if (name == "piccropl") value = &PictureBuilder::crop_left;
  else if (name == "piccropr") value = &PictureBuilder::crop_right;
  else if (name == "piccropt") value = &PictureBuilder::crop_top;
  else if (name == "piccropb") value = &PictureBuilder::crop_bottom;
  if (value != nullptr) {
    check_parameter(ParameterRule::kRequired, has_parameter);
    p.*value = static_cast<std::int16_t>(parameter);
    return true;
  }
  return false;
}

void PictureReader::on_finished(const GroupState&) {
  const PictureBuilder& p = picture_;
  if (p.kind != PictureBuilder::kWmf && p.kind != PictureBuilder::kEmf) return;
  PictureItem item;
  item.is_enhanced = p.is_enhanced;
  item.pic_width = p.pic_width;
  item.pic_height = p.pic_height;
  item.goal_width = p.goal_width;
  item.goal_height = p.goal_height;
  item.mapping_mode = p.mapping_mode;
  item.scale_x = p.scale_x;
  item.scale_y = p.scale_y;
  item.crop_left = p.crop_left;
  item.crop_right = p.crop_right;
  item.crop_top = p.crop_top;
  item.crop_bottom = p.crop_bottom;
  item.data = p.data;
  document_.add_picture(std::move(item));
}

bool ObjectReader::on_word(const std::string& name, bool has_parameter, std::int32_t,
                           GroupState& state) {
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
