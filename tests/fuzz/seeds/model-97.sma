4
0, x
8.5, 
13.5, span
23, "quoted, with comma"
2
1, 1, 0, x
4, 1, 0, x
1
2E8, "quoted, with comma"

1
0.0004, span
3
1, 2, 1, 1, x
2, 3, 1
1, span
3, 4, 1
1, "quoted, with comma"
1
2, 4, 11
3
0
0.5, x
1
2, -1, 1, x
