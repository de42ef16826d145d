#pragma once

// A vocabulary for the CodeHelper's tests: a tag with arguments, values and
// a colour, tags without arguments, one whose only argument is a wildcard,
// and a link.
inline const char* const CodeHelperTags = R"(TR
{
	(INFO)Table row
	ALIGN
	{
		LEFT
		RIGHT
		(INFO)Row alignment
	}
}
TABLE
{
	(INFO)Table
	BGCOLOR
	{
		(COLOR)
		(INFO)Background colour
	}
	ALIGN
	{
		RIGHT
		LEFT
		CENTER
		(INFO)Alignment
	}
	DATA-*
	{
		(STRING)
		(INFO)Private data
	}
}
B
{
	(INFO)Bold
}
BR
{
	(INFO)Line break
	DATA-*
	{
		(STRING)
		(INFO)Private data
	}
}
A
{
	(INFO)Anchor
	HREF
	{
		(LINK)
		(INFO)Link target
	}
	NAME
	{
		(STRING)
		(INFO)Anchor name
	}
}
)";
