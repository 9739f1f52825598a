#pragma once
// The laboratory for the page, as JSON: the scene's shapes for the canvas,
// the state the controls and the arrival table show, and the texts of the
// controls, so that the page holds no English of its own.

#include <string>
#include <vector>

#include "lab/LabScene.h"
#include "lab/LabSession.h"

namespace orvalde {

// {"width","height","rects":[[x,y,w,h,fill|null,stroke|null,strokeWidth]],
//  "lines":[[colour,width,[x0,y0,x1,y1,…]]],"discs":[[x,y,r,fill,outline,outlineWidth]],
//  "texts":[[x,y,text,size,colour,align 0 left|1 centre|2 right,bold 0|1,vertical 0|1]]}
std::string LabSceneJson(const LabScene& scene);

// The same with the lines' points not written but appended to `points` as
// x, y, x, y, … (for the moving layer, whose plots have thousands of points
// a frame): a line is then [colour,width,first,count], first and count in
// floats, and "points" gives the total.
std::string LabSceneJson(const LabScene& scene, std::vector<float>& points);

// The session's language for its texts and numbers; "query" in C's numbers.
// {"revision","released","paused","pace","gravityHidden","gravityText","g","length","mass","damping",
//  "query","status","rows":[[track,bob,height,arrival,theory]],"spread":[…]}
std::string LabStateJson(const LabSession& session);

// The controls' texts by name in the language:
// {"release":"Release",…,"presets":[["Earth (9.81 m/s²)",g]],"paces":[…]}.
std::string LabTextsJson(const Translator& language);

}  // namespace orvalde
