// Form parsing kept strict and bounded: a request is three known fields, nothing more.
#include "lexiton/server/request_form.h"

#include <vector>

namespace lexiton::server {

std::optional<RequestForm> parseRequestForm(std::string_view body) {
  if (body.empty() || body.size() > kMaxBodyBytes) return std::nullopt;
  RequestForm form;
  bool haveWho = false, haveWhere = false, haveWhat = false;
  std::size_t pos = 0;
  while (pos <= body.size()) {
    std::size_t amp = body.find('&', pos);
    if (amp == std::string_view::npos) amp = body.size();
    std::string_view pair = body.substr(pos, amp - pos);
    std::size_t eq = pair.find('=');
    if (eq != std::string_view::npos) {
      std::string_view name = pair.substr(0, eq);
      std::string value(pair.substr(eq + 1));
      if (name == "who") {
        form.who = std::move(value);
        haveWho = true;
      } else if (name == "where") {
        form.where = std::move(value);
        haveWhere = true;
      } else if (name == "what") {
        form.what = std::move(value);
        haveWhat = true;
      }
    }
    pos = amp + 1;
  }
  if (!haveWho || !haveWhere || !haveWhat) return std::nullopt;
  return form;
}

RequestKind requestKind(const RequestForm& form) {
  std::string_view where = form.where;
  if (where.starts_with(protocol::fields::kSessionEndPrefix)) return RequestKind::SessionEnd;
  if (where.starts_with(protocol::fields::kCancelPrefix)) return RequestKind::Cancel;
  return RequestKind::Query;
}

namespace {
std::vector<unsigned long> versionParts(std::string_view text) {
  std::vector<unsigned long> parts;
  std::size_t i = 0;
  while (i < text.size() && parts.size() < 8) {
    if (text[i] < '0' || text[i] > '9') break;
    unsigned long n = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      if (n < 100000000UL) n = n * 10 + static_cast<unsigned long>(text[i] - '0');
      ++i;
    }
    parts.push_back(n);
    if (i < text.size() && text[i] == '.')
      ++i;
    else
      break;
  }
  return parts;
}
}  // namespace

bool versionOlderThan(std::string_view who, std::string_view minimum) {
  auto have = versionParts(who), need = versionParts(minimum);
  for (std::size_t k = 0; k < need.size(); ++k) {
    unsigned long h = k < have.size() ? have[k] : 0;
    if (h != need[k]) return h < need[k];
  }
  return false;
}

}  // namespace lexiton::server
