// The bench's sections, each adding its rows to the table, and the modes in
// which the bench runs as a child process for one first opening.
#pragma once

#include <string>

// Where the applets are: the folder of this program.
std::string ProgramFolder();

void MeasureOpening();
void MeasureStatusTick();
void MeasureProfilesAtScale();
void MeasureEndurance();
void MeasureFootprint();

// Child modes; each prints its figures and returns the exit code.
int FirstOpeningChild(const std::string& target);
int ProfilesReadChild();
int ProfilesOpenChild();
