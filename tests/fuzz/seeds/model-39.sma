7
0, 
2, span
9.5, "quoted, with comma"
17, "quoted, with comma"
18.5, x
26, 
33.5, span
2
1, 1, 1, 
7, 1, 0, "quoted, with comma"
1
2E8, x
2
0.0004, x
0.0004, 
6
1, 2, 1, 1, "quoted, with comma"
3, 2, 1, 1, x
3, 4, 1, 2, 
4, 5, 1, 1, x
6, 5, 1, 2, x
6, 7, 1, 1, span
2
3, 2
3, -5, 1, 0.5, span
4, 1, 1, 7, 0, 0.25, x
1
4, -5, 1, span
