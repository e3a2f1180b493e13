// A drawing holding every entity kind and table feature the DXF files carry, shared
// by the DXF tests and the program that writes files for the ezdxf check.
#pragma once

#include "test_entities.h"

namespace kv::sim::testing {

inline Drawing SampleDrawing() {
    Drawing d;
    d.linetypes.push_back(Linetype{"DASHED", "__ __ __", {5, -2.5}});
    d.linetypes.push_back(Linetype{"DOT.2", ". . .", {0, -1.25}});
    d.layers.push_back(Layer{"WIRE", 1, false, false, "CONTINUOUS"});
    d.layers.push_back(Layer{"HIDDEN", 3, true, false, "DASHED"});
    d.layers.push_back(Layer{"ICED", 5, false, true, "CONTINUOUS"});
    d.layers.push_back(Layer{"配線", 2, false, false, "DOT.2"});
    d.styles.push_back(TextStyle{"JIS", "romans.shx", "extfont.shx", true, 0, 0.8});
    d.vars.cLayer = "WIRE";
    d.vars.dimScale = 2.5;

    d.blocks.push_back(BlockDef{"INNER",
                                Point3{1, 1, 0},
                                {MakeEntity(CircleGeom{Point3{1, 1, 0}, 0.5}),
                                 MakeEntity(LineGeom{Point3{0, 1, 0}, Point3{2, 1, 0}}, "WIRE")}});
    d.blocks.push_back(BlockDef{"OUTER",
                                Point3{},
                                {MakeEntity(InsertGeom{"INNER", Point3{5, 0, 0}, 2, 2, 1, 90}),
                                 MakeEntity(TextGeom{"K1", "STANDARD", Point3{0, -2, 0}, Point3{0, -2, 0}})}});
    d.blocks.push_back(BlockDef{"UNUSED", Point3{}, {MakeEntity(LineGeom{Point3{}, Point3{1, 0, 0}})}});

    d.Add(Entity{0, "WIRE", "DASHED", 1, 2, LineGeom{Point3{0, 0, 0}, Point3{100.125, 50, 0}}});
    d.Add(MakeEntity(LineGeom{Point3{1.0 / 3, 2, 3}, Point3{4, 5, 6.5}}, "HIDDEN"));
    d.Add(MakeEntity(ArcGeom{Point3{10, 10, 0}, 5, 30, 300}, "ICED"));
    d.Add(MakeEntity(CircleGeom{Point3{-20, 7.5, 0}, 2.25}));
    d.Add(MakeEntity(LwPolylineGeom{{{0, 0, 0.5}, {10, 0, 0}, {10, 10, -1}}, false, 0, 0}));
    d.Add(MakeEntity(LwPolylineGeom{{{0, 0, 0}, {5, 0, 0}, {5, 5, 0}, {0, 5, 0}}, true, 0, 0.5}, "WIRE"));
    d.Add(MakeEntity(PolylineGeom{{{Point3{0, 0, 1}, 0}, {Point3{1, 1, 2}, 0}, {Point3{2, 0, 3}, 0}}, false, true}));
    d.Add(MakeEntity(PolylineGeom{{{Point3{0, 0, 0}, 1}, {Point3{4, 0, 0}, 0}, {Point3{4, 4, 0}, 0}}, true, false}));
    d.Add(Entity{0, "配線", "DOT.2", kColorByLayer, 1, LineGeom{Point3{0, 20, 0}, Point3{30, 20, 0}}});
    d.Add(MakeEntity(InsertGeom{"OUTER", Point3{50, 60, 0}, 1.5, -1.5, 1, 45}, "WIRE"));
    d.Add(MakeEntity(TextGeom{"配線 A-1 ", "JIS", Point3{12, 34, 0}, Point3{15, 34, 0}, 3.5, 0.75, 90, 15, 1, 2},
                     "配線"));
    d.Add(MakeEntity(SolidGeom{{Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{1, 1, 0}}}));
    return d;
}

inline std::vector<Handle> AllHandles(const Drawing& d) {
    std::vector<Handle> handles;
    for (const Entity& e : d.Entities()) handles.push_back(e.handle);
    return handles;
}

}  // namespace kv::sim::testing
