// dxfdump FILE: loads a DXF file, runs every reader over it and prints what they fill as one
// JSON object. An unreadable or garbled file prints {"error": ...} and exits with 1.
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_buffer.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "json_writer.h"
#include "geometry/block_extents.h"
#include "platform/native_files.h"

namespace kv {
namespace {

struct Dump {
    HeaderVars header;
    LayerList layers;
    std::vector<TLineEnt> lines;
    std::vector<TArcEnt> arcs;
    int polylineKind = kNoPolyline;
    std::vector<TLwpBlk> polylines;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> polylineAttributes;
    std::vector<TInsertEnt> inserts;
    BlockGeometry blocks;
    std::vector<BlockExtent> extents;
};

void Read(DxfBuffer& buffer, Dump& d) {
    ReadHeaderVars(buffer, d.header);
    ReadLayerTable(buffer, d.layers, true);
    ReadLines(buffer, d.lines);
    ReadArcs(buffer, d.arcs);
    d.polylineKind = ReadPolylines(buffer, d.polylines, d.vertices, d.polylineAttributes);
    ReadInserts(buffer, d.inserts);
    ReadBlocks(buffer, d.blocks);
    ExplodePolylines(d.blocks);
    ComputeBlockExtents(d.blocks, d.extents);
}

void Put(JsonWriter& j, const char* key, const Point3& p) {
    j.Key(key).BeginObject();
    j.Key("x").Value(p.x);
    j.Key("y").Value(p.y);
    j.Key("z").Value(p.z);
    j.EndObject();
}

void PutStyle(JsonWriter& j, const std::string& handle, const std::string& layer, const std::string& linetype,
              int color, double ltScale) {
    j.Key("Handle").Value(handle);
    j.Key("Layer").Value(layer);
    j.Key("Linetype").Value(linetype);
    j.Key("Color").Value(color);
    j.Key("LtScale").Value(ltScale);
}

void PutLine(JsonWriter& j, const TLineEnt& e) {
    j.BeginObject();
    PutStyle(j, e.Handle, e.Layer, e.Linetype, e.Color, e.LtScale);
    Put(j, "P1", e.P1);
    Put(j, "P2", e.P2);
    j.EndObject();
}

void PutArc(JsonWriter& j, const TArcEnt& e) {
    j.BeginObject();
    PutStyle(j, e.Handle, e.Layer, e.Linetype, e.Color, e.LtScale);
    Put(j, "Center", e.Center);
    j.Key("Radius").Value(e.Radius);
    j.Key("StartAngle").Value(e.StartAngle);
    j.Key("EndAngle").Value(e.EndAngle);
    j.EndObject();
}

void PutInsert(JsonWriter& j, const TInsertEnt& e) {
    j.BeginObject();
    j.Key("Handle").Value(e.Handle);
    j.Key("Name").Value(e.Name);
    j.Key("Layer").Value(e.Layer);
    Put(j, "Point", e.Point);
    Put(j, "Scale", e.Scale);
    j.Key("Rotation").Value(e.Rotation);
    j.EndObject();
}

// Vertices follow their header in the reader's output; each header takes the run of vertices
// that name it as owner.
void PutPolylines(JsonWriter& j, const Dump& d) {
    j.Key("polylines").BeginObject();
    j.Key("kind").Value(d.polylineKind);
    j.Key("attributes");
    PutLine(j, d.polylineAttributes.at(0));
    j.Key("items").BeginArray();
    size_t next = 0;
    for (const TLwpBlk& p : d.polylines) {
        j.BeginObject();
        j.Key("Owner").Value(p.Owner);
        j.Key("Layer").Value(p.Layer);
        j.Key("Handle").Value(p.Handle);
        j.Key("Flags").Value(p.Flags);
        j.Key("vertices").BeginArray();
        for (; next < d.vertices.size() && d.vertices[next].OwnerHandle == p.Handle; ++next) {
            const TLwpEle& v = d.vertices[next];
            j.BeginObject();
            j.Key("OwnerHandle").Value(v.OwnerHandle);
            Put(j, "Point", v.Point);
            j.Key("Bulge").Value(v.Bulge);
            j.EndObject();
        }
        j.EndArray();
        j.EndObject();
    }
    j.EndArray();
    j.Key("vertexCount").Value(static_cast<int>(d.vertices.size()));
    j.EndObject();
}

struct BlockContent {
    std::vector<const TLineBlk*> lines;
    std::vector<const TCircleBlk*> circles;
    std::vector<const TArcBlk*> arcs;
};

void PutBlock(JsonWriter& j, const TBlockBlk& b, const BlockContent& c) {
    j.BeginObject();
    j.Key("Name").Value(b.Name);
    j.Key("Layer").Value(b.Layer);
    Put(j, "BasePoint", b.BasePoint);
    j.Key("lines").BeginArray();
    for (const TLineBlk* e : c.lines) {
        j.BeginObject();
        j.Key("BlockName").Value(e->BlockName);
        j.Key("Layer").Value(e->Layer);
        Put(j, "P1", e->P1);
        Put(j, "P2", e->P2);
        j.EndObject();
    }
    j.EndArray();
    j.Key("circles").BeginArray();
    for (const TCircleBlk* e : c.circles) {
        j.BeginObject();
        j.Key("BlockName").Value(e->BlockName);
        j.Key("Layer").Value(e->Layer);
        Put(j, "Center", e->Center);
        j.Key("Radius").Value(e->Radius);
        j.EndObject();
    }
    j.EndArray();
    j.Key("arcs").BeginArray();
    for (const TArcBlk* e : c.arcs) {
        j.BeginObject();
        j.Key("BlockName").Value(e->BlockName);
        j.Key("Layer").Value(e->Layer);
        Put(j, "Center", e->Center);
        j.Key("Radius").Value(e->Radius);
        j.Key("StartAngle").Value(e->StartAngle);
        j.Key("EndAngle").Value(e->EndAngle);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

void PutBlocks(JsonWriter& j, const BlockGeometry& g) {
    std::map<std::string, BlockContent> byName;
    for (const TLineBlk& e : g.lines) byName[e.BlockName].lines.push_back(&e);
    for (const TCircleBlk& e : g.circles) byName[e.BlockName].circles.push_back(&e);
    for (const TArcBlk& e : g.arcs) byName[e.BlockName].arcs.push_back(&e);
    j.Key("blocks").BeginArray();
    for (const TBlockBlk& b : g.blocks) PutBlock(j, b, byName[b.Name]);
    j.EndArray();
}

std::string ToJson(const Dump& d) {
    std::string out;
    JsonWriter j(out);
    j.BeginObject();
    j.Key("header").BeginObject();
    j.Key("CLayer").Value(d.header.CLayer);
    j.Key("CeLtScale").Value(d.header.CeLtScale);
    j.Key("CeLtype").Value(d.header.CeLtype);
    j.Key("CeColor").Value(d.header.CeColor);
    j.Key("DimScale").Value(d.header.DimScale);
    j.EndObject();
    j.Key("layers").BeginArray();
    for (const std::string& layer : d.layers) j.Value(layer);
    j.EndArray();
    j.Key("lines").BeginArray();
    for (const TLineEnt& e : d.lines) PutLine(j, e);
    j.EndArray();
    j.Key("arcs").BeginArray();
    for (const TArcEnt& e : d.arcs) PutArc(j, e);
    j.EndArray();
    PutPolylines(j, d);
    j.Key("inserts").BeginArray();
    for (const TInsertEnt& e : d.inserts) PutInsert(j, e);
    j.EndArray();
    PutBlocks(j, d.blocks);
    j.Key("extents").BeginArray();
    for (const BlockExtent& e : d.extents) {
        j.BeginObject();
        j.Key("BlockName").Value(e.BlockName);
        Put(j, "Min", e.Min);
        Put(j, "Max", e.Max);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    return out;
}

int Fail(const std::string& message) {
    std::string out;
    JsonWriter j(out);
    j.BeginObject();
    j.Key("error").Value(message);
    j.EndObject();
    std::printf("%s\n", out.c_str());
    return 1;
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dxfdump FILE\n");
        return 2;
    }
    kv::NativeFiles files;
    kv::DxfBuffer buffer;
    if (!kv::LoadExport(files, argv[1], buffer)) return kv::Fail(std::string("cannot read '") + argv[1] + "'");
    kv::Dump dump;
    try {
        kv::Read(buffer, dump);
    } catch (const std::exception& e) {  // ConversionError names the offending line
        return kv::Fail(e.what());
    }
    std::printf("%s\n", kv::ToJson(dump).c_str());
    return 0;
}
