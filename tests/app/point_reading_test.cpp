#include "operation/point_reading.h"

#include "base/number_text.h"

#include "support/engine_fixture.h"
#include "text/text_states.h"

namespace kv::test {
namespace {

// A missing label is no answer, a garbled number the standard message; neither touches the point.
TEST(ParseIdAnswerTest, ReadsTheThreeCoordinatesOrNothing) {
    Point3 p{1, 2, 3};
    EXPECT_FALSE(ParseIdAnswer("X = 10.0000     Y = 20.0000", p));
    EXPECT_FALSE(ParseIdAnswer("点を指定: 10,20", p));
    try {
        ParseIdAnswer("X = 1O.0000     Y = 20.0000     Z = 0.0000", p);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1O.0000' is not a valid floating point value");
    }
    EXPECT_EQ(p, (Point3{1, 2, 3}));
    ASSERT_TRUE(ParseIdAnswer("X = 10.2500     Y = -20.0000     Z = 0.5000", p));
    EXPECT_EQ(p, (Point3{10.25, -20, 0.5}));
}

class PointStateTest : public EngineTest {
protected:
    // The wire-number restart: reads DIMSCALE, asks for a point.
    void StartPointState() {
        form.RunQueued(QueueCode::kWireNumberAtPoint);
        ASSERT_EQ(form.op.OpState, kWireNumberPointState);
        Typed();
    }
};

// A cancel or an answer without coordinates ends the operation, without a message.
TEST_F(PointStateTest, PickedPointMovesToTheNextStateAnythingElseEndsTheOperation) {
    StartPointState();
    Tick();
    EXPECT_EQ(form.op.OpState, kWireNumberPointState);  // the host still asks for the point
    host.Pick({12.5, -3, 0});
    Tick();
    EXPECT_EQ(form.op.PickedPoint, (Point3{12.5, -3, 0}));
    EXPECT_EQ(Op(), "1402/0 on -");

    for (const bool cancel : {true, false}) {
        form.op.AbandonOperation();
        StartPointState();
        cancel ? host.PressEscape() : host.Type("\r");
        Tick();
        EXPECT_EQ(Op(), "0/0 off -") << cancel;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PointStateTest, DimScaleOfZeroOrUnreadCountsAsOne) {
    vars.dimScale = 0;
    form.RunQueued(QueueCode::kWireNumberAtPoint);
    EXPECT_EQ(form.op.DimScaleText, "1.0");
    QuitHost();
    form.RunQueued(QueueCode::kWireNumberAlongLine);
    EXPECT_EQ(form.op.DimScaleText, "1.0");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kv::test
