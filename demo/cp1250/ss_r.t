I'm=I am=
you're=you are=
he's=he is=
she's=she is=
it's=it is=
we're=we are=
they're=they are=
don't=do not=
doesn't=does not=
isn't=is not=
aren't=are not=
can't=cannot=
won't=will not=
I'd=I would=
I've=I have=
let's=let us=
there's=there is=
