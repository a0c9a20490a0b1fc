#include "engine/BallStep.h"

// Placeholder until the ball step lands.
StepOutcome StepBall(GameSession&) { return StepOutcome::BallInPlay; }
