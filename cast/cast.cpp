#include "cast/cast.h"

#include <initializer_list>

namespace korvane {
namespace {

const CastMember kCast[kPersons] = {
    {"", "", ""},
    {"高原 良絵", "高原", "takahara"},
    {"真道 祐樹", "真道", "shindo"},
    {"風見 誠", "風見", "kazami"},
    {"横田 真央", "横田", "yokota"},
    {"高峰 武", "高峰", "takamine"},
    {"速水 結", "速水", "hayami"},
};

struct Held {
  int16_t card, count;
};

// What each character holds when a new game starts.
const std::initializer_list<Held> kStart[kPersons] = {
    {},
    {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 2}, {8, 5}, {9, 2}, {12, 3}},
    {{3, 2}, {6, 5}, {7, 3}, {8, 3}, {9, 4}, {10, 1}, {11, 1}, {13, 3}, {24, 1}},
    {{0, 8},
     {8, 8},
     {9, 12},
     {10, 6},
     {11, 6},
     {13, 6},
     {14, 4},
     {16, 2},
     {20, 3},
     {21, 2},
     {27, 1}},
    {{0, 2}, {10, 4}, {11, 4}, {16, 3}, {17, 3}, {18, 3}, {19, 3}, {21, 2}, {22, 2}, {23, 1}},
    {{10, 2}, {11, 2}, {23, 1}, {25, 2}, {26, 2}, {27, 1}, {28, 2}, {29, 1}, {30, 2}},
    {{0, 1}, {29, 1}, {31, 1}, {32, 1}, {33, 1}, {34, 1}, {35, 1}, {38, 1}},
};

// What every opponent holds at least, and what more she or he holds against the master.
struct MinimumStock {
  std::initializer_list<StockRaise> always;
  std::initializer_list<StockRaise> master;
};
const MinimumStock kMinimumStock[kPersons] = {
    {{}, {}},
    {{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {8, 5}, {7, 2}, {9, 2}, {12, 3}}, {}},
    {{{3, 2}, {7, 1}, {8, 1}, {9, 1}}, {}},
    {{{8, 1}, {9, 1}, {10, 1}, {11, 1}, {13, 1}, {21, 1}}, {}},
    {{{16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {25, 1}},
     {{26, 1}, {27, 1}, {28, 1}, {29, 1}, {30, 1}}},
    {{{10, 1}, {11, 1}, {26, 1}, {27, 1}, {28, 1}, {29, 1}, {30, 1}},
     {{33, 1}, {34, 1}, {35, 1}, {38, 1}}},
    {{}, {}},
};

bool IsCharacter(int person) { return person >= 1 && person < kPersons; }

}  // namespace

const CastMember& Cast(int person) { return kCast[IsCharacter(person) ? person : 0]; }

int CastIndex(std::string_view name) {
  if (name.empty()) return -1;
  for (int p = 1; p < kPersons; ++p) {
    if (kCast[p].name == name || kCast[p].romanised == name) return p;
  }
  return -1;
}

Collection StartingCollection(int person) {
  Collection c{};
  if (!IsCharacter(person)) return c;
  for (const Held& h : kStart[person]) c[h.card] = h.count;
  return c;
}

std::span<const StockRaise> MinimumStockRaises(int person, bool forMaster) {
  if (!IsCharacter(person)) return {};
  const std::initializer_list<StockRaise>& list =
      forMaster ? kMinimumStock[person].master : kMinimumStock[person].always;
  return {list.begin(), list.size()};
}

}  // namespace korvane
