#pragma once
// Where the parts of an analog skin sit: for each hand the pivot as factors
// of the dial's centre (x, y; 1 is the centre) and the pivot height as a
// fraction of the hand's length from its bottom edge (z); for the cap its
// centre as factors of the dial's centre.

#include <array>

enum class skin_part
{
    face,
    hour,
    mins,
    secunds,
    shapocka
};
inline constexpr std::array<skin_part, 5> all_skin_parts{skin_part::face, skin_part::hour, skin_part::mins,
                                                         skin_part::secunds, skin_part::shapocka};

struct part_place
{
    double x = 1.0, y = 1.0, z = 0.0;
};

struct skin_layout
{
    part_place hour{1.0, 1.0, 0.09};
    part_place mins{1.0, 1.0, 0.06};
    part_place secunds{1.0, 1.0, 0.23};
    part_place shapocka{1.0, 1.0, 0.0};

    // The dial has no place of its own; asking for it gives nullptr.
    part_place *place(skin_part p);
    const part_place *place(skin_part p) const { return const_cast<skin_layout *>(this)->place(p); }
};

inline part_place *skin_layout::place(skin_part p)
{
    switch (p) {
    case skin_part::hour:
        return &hour;
    case skin_part::mins:
        return &mins;
    case skin_part::secunds:
        return &secunds;
    case skin_part::shapocka:
        return &shapocka;
    case skin_part::face:
        break;
    }
    return nullptr;
}
