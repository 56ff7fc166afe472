#pragma once
// Building blocks of the task rows: reading a whole object from the fields (in the object's
// reading order), the input test with its error box, and the drawing options that whole
// families of tasks set.
#include "app/tasks.h"

#include <string>
#include <vector>

namespace task_rows {

inline constexpr TFarbe gruen = farbe::Lime;
inline constexpr TFarbe gelb = farbe::Gelb;
inline constexpr TFarbe rot = farbe::Rot;
inline constexpr TFarbe cyan = farbe::Aqua;

// A line: support point, then direction. The record and both vectors take the colour.
TGerade gerade(TaskFields& f, std::string name, std::string stuetz, std::string richtung,
               TFarbe farbe);
// A plane in parameter form: support point, first and second direction.
TEbene ebenePar(TaskFields& f, std::string name, TFarbe farbe);
// A plane in normal form: normal vector, then the constant d of n·x − d = 0.
TEbeneNorm ebeneNorm(TaskFields& f, std::string name, TFarbe farbe);
// A sphere in centre form: centre, then radius.
TKugel kugelM(TaskFields& f, std::string name, std::string mittelpunkt, TFarbe farbe);
// A sphere in vector form: the vector a, then the constant c of x² − a·x − c = 0.
TKugelV kugelV(TaskFields& f, std::string name, TFarbe farbe);
// Four points A, B, C, D in one colour.
TViereck vierPunkte(TaskFields& f, TFarbe farbe);

// The input test: true when every object passed. Otherwise the extra beeps, then `fehler`
// (beep and the program's error box), and false.
bool gueltig(TaskContext& c, bool allePassen, int zusaetzlichePiepse = 0);

// Every task that hands over a line shows its trace points.
void spurpunkteAn(Optionen& o);
// The five line tasks also switch the projection lines off.
void nurSpurpunkte(Optionen& o);

void addPointTasks(std::vector<TaskSpec>& table);
void addLineTasks(std::vector<TaskSpec>& table);
void addPlaneTasks(std::vector<TaskSpec>& table);
void addSphereTasks(std::vector<TaskSpec>& table);
void addVectorTasks(std::vector<TaskSpec>& table);
void addPlaneFigureTasks(std::vector<TaskSpec>& table);
void addEllipseTasks(std::vector<TaskSpec>& table);
void addMatrixTasks(std::vector<TaskSpec>& table);
void addAffineTasks(std::vector<TaskSpec>& table);

} // namespace task_rows
