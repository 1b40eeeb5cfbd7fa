# A test whose tool is missing fails with the reason instead of vanishing.
message(FATAL_ERROR "${REASON}")
