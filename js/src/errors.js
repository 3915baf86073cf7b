// Exceptions: one class for each result code of the library, all HygraError.

/** A call of hygra failed. `code` is the library's result code, `message` its words. */
export class HygraError extends Error {
  static code = undefined;

  constructor(message, code) {
    super(message);
    this.name = new.target.name;
    this.code = code ?? new.target.code;
  }
}

/** An unknown name, pair, unit system or property; a wrong argument (result code 1). */
export class InvalidArgument extends HygraError {
  static code = 1;
}

/** A search for the state or a property found no answer (result code 2). */
export class NoConvergence extends HygraError {
  static code = 2;
}

/** The property does not apply to this state (result code 3). */
export class NotApplicable extends HygraError {
  static code = 3;
}

/** An input, the state or an intermediate quantity lies outside the model's range (result code 4). */
export class OutOfRange extends HygraError {
  static code = 4;
}

const classes = new Map([InvalidArgument, NoConvergence, NotApplicable, OutOfRange].map((c) => [c.code, c]));

/** The exception for a result code, with its message. */
export function errorFor(code, message) {
  const Class = classes.get(code) ?? HygraError;
  return new Class(message, code);
}
