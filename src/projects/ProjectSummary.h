#pragma once

#include "scheduling/LoadedProjects.h"

#include <QString>

#include <array>

// The texts of the board's project summary and milestone details, from a loaded project.

// Calendar days from the first milestone's date to the last's, plus the last one's interval;
// 0 without milestones.
int ProjectDayTotal(const LoadedProject& project);
// "No. " and the proposal number, or nothing when the project has no proposal.
QString ProposalText(const ProjectHeader& header);
// The city line of the customer block: city, state and zip.
QString CityLine(const ProjectHeader& header);

// The eight values beside "Milestone", "Assigned to", "Project Phase", "Scheduled Date/Time",
// "Time Allotted", "Dependent on Milestone", "Status" and "Location"; milestone is 1-based.
std::array<QString, 8> MilestoneDetailTexts(const LoadedProject& project, int milestone);
