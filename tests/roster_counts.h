// How many names the species selector lists, by game mode and sort order.
#ifndef VARENDO_TESTS_ROSTER_COUNTS_H
#define VARENDO_TESTS_ROSTER_COUNTS_H

#include "resources/resource.h"

struct RosterCount {
    unsigned mode;
    int listed[5]; // by sort order, IDM_SORT_KANA to IDM_SORT_SINNOH
};

static const RosterCount RosterCounts[] = {
    {IDM_MODE_RGBY, {151, 151, 151, 47, 32}},     {IDM_MODE_GSC, {251, 251, 251, 67, 54}},
    {IDM_MODE_RS, {386, 386, 251, 202, 70}},      {IDM_MODE_EMERALD, {386, 386, 251, 202, 70}},
    {IDM_MODE_FIRERED, {386, 386, 251, 202, 70}}, {IDM_MODE_LEAFGREEN, {386, 386, 251, 202, 70}},
    {IDM_MODE_DP, {497, 497, 251, 202, 153}},
};

#endif
